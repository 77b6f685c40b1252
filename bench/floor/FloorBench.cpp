// The floor: the cheapest frame SDL2 and GL 2.0 can draw for a scene the
// level benchmark hands over (the same window size, the same pictures on the
// same quads in the same order, the header texts). Every picture sits in one
// atlas; each frame streams one vertex buffer and draws it in as few calls as
// the changes between opaque and blended runs allow; an opaque quad is cut
// away where later opaque quads cover it, and a blended one is trimmed to the
// parts of its picture that show (cell by cell in a big one). No depth or
// stencil buffer.
//
// It serves the level benchmark over stdin and stdout, one line each way:
//   scene FILE   load a scene: "size W H", "quad PATH x0 y0 .. x3 y3 r g b a blend", "text X Y HEIGHT N"
//   run N        draw N frames; answers "floor MEDIAN_MS CPU_MS" (per frame)
//   quit
#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>
#include <sys/resource.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Picture {
  int x = 0, y = 0, w = 0, h = 0;  // place in the atlas
  // Bounds of the texels that are not clear, cell by cell of a big picture.
  std::vector<std::array<int, 4>> visible;
  bool opaque = false;
  SDL_Surface* pixels = nullptr;
};

struct Quad {
  const Picture* picture;
  double corners[4][2];  // bottom-left, bottom-right, top-right, top-left
  float color[4];
  bool opaque;  // blending off
};

struct Rect {
  double x0, y0, x1, y1;
};

struct Vertex {
  float x, y, u, v;
  unsigned char rgba[4];
};

struct Run {
  bool blend;
  int first, count;
};

SDL_Window* sWindow = nullptr;
int sWidth = 960, sHeight = 720;
std::map<std::string, Picture> sPictures;
GLuint sAtlas = 0, sProgram = 0, sBuffer = 0;
int sAtlasW = 4096, sAtlasH = 0;
// The frame being built, and every frame of the scene, drawn in turn.
std::vector<Vertex> sVertices;
std::vector<Run> sRuns;
struct Frame {
  std::vector<Vertex> vertices;
  std::vector<Run> runs;
};
std::vector<Frame> sFrames;
size_t sNext = 0;
const Picture* sGlyph = nullptr;

const char* const kVertex =
    "uniform vec2 uScreen;\n"
    "attribute vec4 aPlace;\n"
    "attribute vec4 aColor;\n"
    "varying vec2 vUV;\n"
    "varying vec4 vColor;\n"
    "void main() {\n"
    "  vUV = aPlace.zw;\n"
    "  vColor = aColor;\n"
    "  gl_Position = vec4(aPlace.xy / uScreen * 2.0 - 1.0, 0.0, 1.0);\n"
    "}\n";
const char* const kFragment =
    "uniform sampler2D uAtlas;\n"
    "varying vec2 vUV;\n"
    "varying vec4 vColor;\n"
    "void main() { gl_FragColor = texture2D(uAtlas, vUV) * vColor; }\n";

double NowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuMs() {
  rusage r;
  getrusage(RUSAGE_SELF, &r);
  return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

bool StartWindow() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  sWindow = SDL_CreateWindow("Orvane floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, sWidth, sHeight,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!sWindow || !SDL_GL_CreateContext(sWindow)) return false;
  SDL_GL_SetSwapInterval(0);
  glewInit();
  GLuint vs = glCreateShader(GL_VERTEX_SHADER), fs = glCreateShader(GL_FRAGMENT_SHADER);
  glShaderSource(vs, 1, &kVertex, nullptr);
  glShaderSource(fs, 1, &kFragment, nullptr);
  glCompileShader(vs);
  glCompileShader(fs);
  sProgram = glCreateProgram();
  glAttachShader(sProgram, vs);
  glAttachShader(sProgram, fs);
  glBindAttribLocation(sProgram, 0, "aPlace");
  glBindAttribLocation(sProgram, 1, "aColor");
  glLinkProgram(sProgram);
  glUseProgram(sProgram);
  glUniform1i(glGetUniformLocation(sProgram, "uAtlas"), 0);
  glGenBuffers(1, &sBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, sBuffer);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
  glVertexAttribPointer(1, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), reinterpret_cast<void*>(16));
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(0, 0, 0, 1);
  return true;
}

// Same place and size as the game's window: centred, or covering the screen.
void PlaceWindow(int w, int h) {
  SDL_DisplayMode mode;
  SDL_GetDesktopDisplayMode(0, &mode);
  const bool full = w == mode.w && h == mode.h;
  SDL_SetWindowFullscreen(sWindow, 0);
  SDL_SetWindowBordered(sWindow, full ? SDL_FALSE : SDL_TRUE);
  SDL_SetWindowSize(sWindow, w, h);
  SDL_SetWindowPosition(sWindow, full ? 0 : mode.w / 2 - w / 2, full ? 0 : mode.h / 2 - h / 2);
  if (full) SDL_SetWindowFullscreen(sWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
  sWidth = w;
  sHeight = h;
}

Picture* LoadPicture(const std::string& path) {
  auto it = sPictures.find(path);
  if (it != sPictures.end()) return &it->second;
  Picture& p = sPictures[path];
  SDL_Surface* s = IMG_Load(path.c_str());
  p.pixels = s ? SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0) : nullptr;
  if (s) SDL_FreeSurface(s);
  if (!p.pixels) return &p;
  p.w = p.pixels->w;
  p.h = p.pixels->h;
  p.opaque = true;
  const int cell = std::max(p.w, p.h) >= 256 ? 64 : std::max(p.w, p.h);
  for (int cy = 0; cy < p.h; cy += cell)
    for (int cx = 0; cx < p.w; cx += cell) {
      std::array<int, 4> box = {p.w, p.h, 0, 0};
      for (int y = cy; y < std::min(p.h, cy + cell); ++y) {
        const unsigned char* row = static_cast<unsigned char*>(p.pixels->pixels) + y * p.pixels->pitch;
        for (int x = cx; x < std::min(p.w, cx + cell); ++x) {
          const unsigned a = row[4 * x + 3];
          p.opaque = p.opaque && a == 255;
          if (a == 0) continue;
          box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
        }
      }
      if (box[2] > box[0]) p.visible.push_back(box);
    }
  return &p;
}

// Shelves, tallest pictures first, then one upload.
void BuildAtlas() {
  std::vector<Picture*> order;
  for (auto& entry : sPictures) {
    if (entry.second.pixels) order.push_back(&entry.second);
  }
  std::sort(order.begin(), order.end(), [](const Picture* a, const Picture* b) { return a->h > b->h; });
  int x = 0, y = 0, shelf = 0;
  for (Picture* p : order) {
    if (x + p->w > sAtlasW) {
      x = 0;
      y += shelf;
      shelf = 0;
    }
    p->x = x;
    p->y = y;
    x += p->w;
    shelf = std::max(shelf, p->h);
  }
  sAtlasH = y + shelf;
  std::vector<unsigned char> atlas(static_cast<size_t>(sAtlasW) * sAtlasH * 4, 0);
  for (Picture* p : order) {
    for (int row = 0; row < p->h; ++row)
      memcpy(&atlas[(static_cast<size_t>(p->y + row) * sAtlasW + p->x) * 4],
             static_cast<unsigned char*>(p->pixels->pixels) + row * p->pixels->pitch, static_cast<size_t>(p->w) * 4);
  }
  if (!sAtlas) glGenTextures(1, &sAtlas);
  glBindTexture(GL_TEXTURE_2D, sAtlas);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, sAtlasW, sAtlasH, 0, GL_RGBA, GL_UNSIGNED_BYTE, atlas.data());
}

// Upright and unturned: left to right and bottom to top as the picture.
bool AxisAligned(const Quad& q) {
  return q.corners[0][1] == q.corners[1][1] && q.corners[2][1] == q.corners[3][1] &&
         q.corners[0][0] == q.corners[3][0] && q.corners[1][0] == q.corners[2][0] &&
         q.corners[1][0] > q.corners[0][0] && q.corners[3][1] > q.corners[0][1];
}

Rect BoxOf(const Quad& q) {
  Rect r = {1e300, 1e300, -1e300, -1e300};
  for (const auto& c : q.corners)
    r = {std::min(r.x0, c[0]), std::min(r.y0, c[1]), std::max(r.x1, c[0]), std::max(r.y1, c[1])};
  return r;
}

// The parts of a rectangle outside another.
void Subtract(const Rect& r, const Rect& cut, std::vector<Rect>* out) {
  if (cut.x0 >= r.x1 || cut.x1 <= r.x0 || cut.y0 >= r.y1 || cut.y1 <= r.y0) {
    out->push_back(r);
    return;
  }
  if (cut.y0 > r.y0) out->push_back({r.x0, r.y0, r.x1, cut.y0});
  if (cut.y1 < r.y1) out->push_back({r.x0, cut.y1, r.x1, r.y1});
  const double y0 = std::max(r.y0, cut.y0), y1 = std::min(r.y1, cut.y1);
  if (cut.x0 > r.x0) out->push_back({r.x0, y0, cut.x0, y1});
  if (cut.x1 < r.x1) out->push_back({cut.x1, y0, r.x1, y1});
}

// A point of the quad at picture coordinates (u right, v down, 0..1).
void At(const Quad& q, double u, double v, double* x, double* y) {
  *x = q.corners[0][0] + u * (q.corners[1][0] - q.corners[0][0]) + (1 - v) * (q.corners[3][0] - q.corners[0][0]);
  *y = q.corners[0][1] + u * (q.corners[1][1] - q.corners[0][1]) + (1 - v) * (q.corners[3][1] - q.corners[0][1]);
}

// The part of the quad between picture coordinates (u0, v0) and (u1, v1), as two triangles.
void Emit(const Quad& q, double u0, double v0, double u1, double v1) {
  const Picture& p = *q.picture;
  const double us[4] = {u0, u1, u1, u0}, vs[4] = {v1, v1, v0, v0};
  Vertex v[4];
  for (int i = 0; i < 4; ++i) {
    double x, y;
    At(q, us[i], vs[i], &x, &y);
    v[i].x = static_cast<float>(x);
    v[i].y = static_cast<float>(y);
    v[i].u = static_cast<float>((p.x + us[i] * p.w) / sAtlasW);
    v[i].v = static_cast<float>((p.y + vs[i] * p.h) / sAtlasH);
    for (int c = 0; c < 4; ++c)
      v[i].rgba[c] = static_cast<unsigned char>(std::lround(255 * std::min(1.0f, q.color[c])));
  }
  const int order[6] = {0, 1, 3, 1, 2, 3};
  for (int i : order) sVertices.push_back(v[i]);
}

void AddToRuns(bool blend, int vertices) {
  if (vertices == 0) return;
  if (!sRuns.empty() && sRuns.back().blend == blend) {
    sRuns.back().count += vertices;
  } else {
    sRuns.push_back({blend, static_cast<int>(sVertices.size()) - vertices, vertices});
  }
}

void BuildFrame(const std::vector<Quad>& quads, const std::vector<Rect>& glyphs) {
  sVertices.clear();
  sRuns.clear();
  for (size_t i = 0; i < quads.size(); ++i) {
    const Quad& q = quads[i];
    const Picture& p = *q.picture;
    const size_t before = sVertices.size();
    if (q.opaque && AxisAligned(q)) {
      // Only what later opaque quads leave uncovered.
      std::vector<Rect> pieces = {BoxOf(q)}, next;
      for (size_t j = i + 1; j < quads.size() && !pieces.empty(); ++j) {
        if (!quads[j].opaque || !AxisAligned(quads[j])) continue;
        next.clear();
        for (const Rect& r : pieces) Subtract(r, BoxOf(quads[j]), &next);
        pieces.swap(next);
      }
      const Rect box = BoxOf(q);
      const double w = box.x1 - box.x0, h = box.y1 - box.y0;
      for (const Rect& r : pieces)
        Emit(q, (r.x0 - box.x0) / w, (box.y1 - r.y1) / h, (r.x1 - box.x0) / w, (box.y1 - r.y0) / h);
    } else if (q.opaque) {
      Emit(q, 0, 0, 1, 1);
    } else {
      for (const auto& b : p.visible)
        Emit(q, double(b[0]) / p.w, double(b[1]) / p.h, double(b[2]) / p.w, double(b[3]) / p.h);
    }
    AddToRuns(!q.opaque, static_cast<int>(sVertices.size() - before));
  }
  const size_t before = sVertices.size();
  for (const Rect& g : glyphs) {
    Quad q = {sGlyph, {{g.x0, g.y0}, {g.x1, g.y0}, {g.x1, g.y1}, {g.x0, g.y1}}, {1, 1, 1, 1}, false};
    Emit(q, 0, 0, 1, 1);
  }
  AddToRuns(true, static_cast<int>(sVertices.size() - before));
}

// The quads and glyphs of one frame as listed in a scene file.
struct Listed {
  std::vector<std::pair<std::string, Quad>> quads;
  std::vector<int> blends;
  std::vector<Rect> glyphs;
};

bool LoadScene(const std::string& file) {
  std::ifstream in(file);
  if (!in) return false;
  std::vector<Listed> listed;
  std::string word;
  int w = sWidth, h = sHeight;
  while (in >> word) {
    if (word == "size") {
      in >> w >> h;
    } else if (word == "frame") {
      listed.emplace_back();
    } else if (word == "quad" && !listed.empty()) {
      std::string path;
      Quad q = {};
      int blend = 0;
      in >> path;
      for (auto& c : q.corners) in >> c[0] >> c[1];
      for (float& c : q.color) in >> c;
      in >> blend;
      listed.back().quads.emplace_back(path, q);
      listed.back().blends.push_back(blend);
    } else if (word == "text" && !listed.empty()) {
      double x, y, height;
      int count;
      in >> x >> y >> height >> count;
      // Glyph boxes of a bold fixed-width face: 0.6 of the height wide, 0.75 of it tall.
      for (int i = 0; i < count; ++i)
        listed.back().glyphs.push_back(
            {x + i * 0.6 * height, y, x + i * 0.6 * height + 0.5 * height, y + 0.75 * height});
    }
  }
  for (Listed& f : listed)
    for (auto& q : f.quads) q.second.picture = LoadPicture(q.first);
  // A glyph stands in as a block of half-covered texels.
  if (!sGlyph) {
    Picture& g = sPictures["(glyph)"];
    g.pixels = SDL_CreateRGBSurfaceWithFormat(0, 12, 18, 32, SDL_PIXELFORMAT_RGBA32);
    for (int i = 0; i < 12 * 18; ++i) static_cast<uint32_t*>(g.pixels->pixels)[i] = (i % 3) ? 0xFFFFFFFFu : 0u;
    g.w = 12;
    g.h = 18;
    g.visible = {{0, 0, 12, 18}};
    sGlyph = &g;
  }
  BuildAtlas();
  sFrames.clear();
  for (const Listed& f : listed) {
    std::vector<Quad> quads;
    for (size_t i = 0; i < f.quads.size(); ++i) {
      Quad q = f.quads[i].second;
      if (!q.picture->pixels) continue;
      // Blending changes nothing for an opaque picture at full alpha.
      q.opaque = f.blends[i] == 0 || (f.blends[i] == 1 && q.picture->opaque && q.color[3] >= 1.0f);
      quads.push_back(q);
    }
    BuildFrame(quads, f.glyphs);
    sFrames.push_back({sVertices, sRuns});
  }
  sNext = 0;
  if (w != sWidth || h != sHeight) PlaceWindow(w, h);
  return !sFrames.empty();
}

void DrawFrame() {
  const Frame& f = sFrames[sNext++ % sFrames.size()];
  glViewport(0, 0, sWidth, sHeight);
  glClear(GL_COLOR_BUFFER_BIT);
  glUniform2f(glGetUniformLocation(sProgram, "uScreen"), static_cast<float>(sWidth), static_cast<float>(sHeight));
  // Stream the frame's quads, as a program whose quads move would.
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(f.vertices.size() * sizeof(Vertex)), f.vertices.data(),
               GL_STREAM_DRAW);
  for (const Run& r : f.runs) {
    if (r.blend) {
      glEnable(GL_BLEND);
    } else {
      glDisable(GL_BLEND);
    }
    glDrawArrays(GL_TRIANGLES, r.first, r.count);
  }
  glFinish();
  SDL_GL_SwapWindow(sWindow);
}

void Measure(int frames) {
  SDL_ShowWindow(sWindow);
  SDL_RaiseWindow(sWindow);
  for (int i = 0; i < 3; ++i) DrawFrame();  // settle after showing
  std::vector<double> times;
  const double cpu0 = CpuMs();
  for (int i = 0; i < frames; ++i) {
    const double t0 = NowMs();
    DrawFrame();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    times.push_back(NowMs() - t0);
  }
  const double cpu = (CpuMs() - cpu0) / frames;
  SDL_HideWindow(sWindow);
  std::sort(times.begin(), times.end());
  // What a frame holds on average: draw calls, quads, pixels under the triangles in screens.
  double area = 0, runs = 0, quads = 0;
  for (const Frame& f : sFrames) {
    runs += f.runs.size();
    quads += f.vertices.size() / 6.0;
    for (size_t i = 0; i + 2 < f.vertices.size(); i += 3) {
      const Vertex &a = f.vertices[i], &b = f.vertices[i + 1], &c = f.vertices[i + 2];
      area += std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
    }
  }
  const double n = static_cast<double>(sFrames.size());
  std::printf("floor %.3f %.3f %.0f %.0f %.2f\n", times[times.size() / 2], cpu, runs / n, quads / n,
              area / n / (double(sWidth) * sHeight));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // The driver's per-frame blocks stay with the process, as in the game.
  mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
#endif
  if (!StartWindow()) {
    std::printf("no window: run under a display (xvfb-run)\n");
    return 1;
  }
  std::string line;
  // One scene and a frame count on the command line: a run on its own.
  if (argc > 2) {
    if (!LoadScene(argv[1])) return 1;
    Measure(std::max(1, std::atoi(argv[2])));
    return 0;
  }
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string verb, arg;
    words >> verb >> arg;
    if (verb == "scene") {
      std::printf(LoadScene(arg) ? "ok\n" : "no scene\n");
      std::fflush(stdout);
    } else if (verb == "run") {
      Measure(std::max(1, std::atoi(arg.c_str())));
    } else if (verb == "quit") {
      break;
    }
  }
  SDL_Quit();
  return 0;
}
