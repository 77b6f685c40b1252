#!/usr/bin/env bash
# Plants small faults, one at a time, in a scratch copy of the game and runs
# the random player's seeds against each: a fault they do not catch is a hole
# in the random player. Not part of ./test.sh; takes some minutes.
#   tools/mutants.sh [NAME...]   all faults, or the named ones
# Prints a table: each fault, whether a seed caught it, and the first rule broken.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
work=${ORVANE_MUTANTS_DIR:-/tmp/orvane-mutants}
rm -rf "$work/src"
mkdir -p "$work/src"
# Fresh times: objects built from an earlier run's faults must not look up to date.
git ls-files -z | xargs -0 tar -cf - | tar -xmf - -C "$work/src"

# name, file, the text the fault replaces, the fault: tab-separated, \n for a new line
mutants=$(cat <<'EOF'
sale-pays-10	level/TowerManager.cpp	t->level == 3 ? SELL_PRICE_3 : SELL_PRICE_1)	t->level == 3 ? SELL_PRICE_3 : SELL_PRICE_1 - 5)
build-without-the-money	level/TowerManager.cpp	money >= TOWER_PRICE && FindIdleTower();	FindIdleTower();
build-with-the-pool-full	level/TowerManager.cpp	money >= TOWER_PRICE && FindIdleTower();	money >= TOWER_PRICE;
refused-sale-kept	level/TowerManager.cpp	    sellOffered = false;\n    return;	    return;
fresh-tower-options-live	level/TowerManager.cpp	if (t != shown || placing) return;	if (placing) return;
tower-in-hand-also-buys-options	level/TowerManager.cpp	if (t != shown || placing) return;	if (t != shown) return;
restart-keeps-build-mode	level/TowerManager.cpp	upgradeOffered = buildMode = placing	upgradeOffered = placing
click-cell-off-by-one-while-the-view-moves	level/TowerManager.cpp	CellUnderCursor(LevelCamera::GetInstance().shownX)	CellUnderCursor(gVXCamPosX)
click-cell-from-whole-columns-scrolled	level/TowerManager.cpp	std::floor((x + camX) / TILE_SIZE)	std::floor(x / TILE_SIZE) + static_cast<int>(camX / TILE_SIZE)
build-is-free	level/TowerManager.cpp	  money -= TOWER_PRICE;\n	\n
upgrade-costs-10-less	level/TowerManager.cpp	  money -= price;	  money -= price - 10;
lives-lost-twice	entities/Monster.cpp	tm.lives > ExitCost() ? tm.lives - ExitCost() : 0	tm.lives > 2 * ExitCost() ? tm.lives - 2 * ExitCost() : 0
kill-pays-nothing	entities/Monster.cpp	  TowerManager::GetInstance().AddMoney(reward);	
wave-bonus-twice	entities/WaveManager.cpp	AddMoney(kWaveBonus);	AddMoney(2 * kWaveBonus);
EOF
)

build=$work/build
cmake -S "$work/src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BENCH=OFF >/dev/null
echo "building the scratch copy..."
cmake --build "$build" -j"$(nproc)" --target random_player_test orvane_resources >"$work/build.log" 2>&1 ||
  { tail -30 "$work/build.log"; exit 1; }

printf '%-44s %-8s %s\n' fault caught "by (first rule broken)"
status=0
while IFS=$'\t' read -r name file from to; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  cp "$top/$file" "$work/src/$file"
  if ! python3 - "$work/src/$file" "$from" "$to" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace('\\n', '\n'), sys.argv[3].replace('\\n', '\n')
text = open(path).read()
if text.count(old) != 1:
    sys.exit(f"the text to replace is found {text.count(old)} times")
open(path, 'w').write(text.replace(old, new))
PY
  then
    printf '%-44s %-8s %s\n' "$name" "-" "fault not planted (the code changed?)"
    status=1
    continue
  fi
  if ! cmake --build "$build" -j"$(nproc)" --target random_player_test >"$work/build.log" 2>&1; then
    printf '%-44s %-8s %s\n' "$name" "-" "does not build"
    cp "$top/$file" "$work/src/$file"
    status=1
    continue
  fi
  log=$work/$name.log
  if (cd "$build" && SDL_AUDIODRIVER=dummy timeout 600 ./tests/chaos/random_player_test \
        --gtest_filter='FreshSeeds/*' >"$log" 2>&1); then
    printf '%-44s %-8s %s\n' "$name" "no" ""
    status=1
  else
    seeds=$(grep -c 'broke a rule' "$log" || true)
    first=$(grep -m1 'broke a rule' "$log" | sed 's/.*broke a rule at frame [0-9]*: //')
    total=$(grep -c '^seed [0-9]*:' "$log" || true)
    printf '%-44s %-8s %s\n' "$name" "$seeds/$total" "$first"
  fi
  cp "$top/$file" "$work/src/$file"
done <<<"$mutants"
exit $status
