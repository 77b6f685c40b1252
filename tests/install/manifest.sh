# shellcheck shell=bash
# Sourced by the scripts that install or package the build tree: both write
# install_manifest.txt into it. The one a user's own install left there is how
# they uninstall, so it is kept aside and put back.
# keep_manifest BUILD_DIR SCRATCH_DIR, then put_back_manifest (in an exit trap).
keep_manifest() {
  manifest=$1/install_manifest.txt
  kept_manifest=$2/user-manifest.txt
  if [ -f "$manifest" ]; then cp "$manifest" "$kept_manifest"; fi
}

put_back_manifest() {
  if [ -f "$kept_manifest" ]; then cp "$kept_manifest" "$manifest"; else rm -f "$manifest"; fi
}
