#include "raster/lettering.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

namespace raster {
namespace {

// Glyphs on a grid 4 units wide and 6 tall (y down); strokes separated by "|".
struct GlyphSource {
  char letter;
  float width;
  const char* strokes;
};

constexpr GlyphSource kGlyphs[] = {
    {'A', 4, "0,6 0,1.5 1.5,0 2.5,0 4,1.5 4,6|0,3.5 4,3.5"},
    {'B', 4, "0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,5 3,6 0,6 0,0"},
    {'C', 4, "4,0 1,0 0,1 0,5 1,6 4,6"},
    {'D', 4, "0,0 3,0 4,1 4,5 3,6 0,6 0,0"},
    {'E', 4, "4,0 0,0 0,6 4,6|0,3 3,3"},
    {'F', 4, "4,0 0,0 0,6|0,3 3,3"},
    {'G', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.5 2.5,3.5"},
    {'H', 4, "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', 2, "0,0 2,0|1,0 1,6|0,6 2,6"},
    {'J', 4, "4,0 4,5 3,6 1,6 0,5"},
    {'K', 4, "0,0 0,6|4,0 1,3 0,3|1,3 4,6"},
    {'L', 4, "0,0 0,6 4,6"},
    {'M', 4.5f, "0,6 0,0 2.25,2.5 4.5,0 4.5,6"},
    {'N', 4, "0,6 0,0 4,6 4,0"},
    {'O', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.5,4.5 4,6"},
    {'R', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
    {'S', 4, "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', 4, "0,0 4,0|2,0 2,6"},
    {'U', 4, "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', 4, "0,0 2,6 4,0"},
    {'W', 5, "0,0 1.25,6 2.5,2.5 3.75,6 5,0"},
    {'X', 4, "0,0 4,6|4,0 0,6"},
    {'Y', 4, "0,0 2,3 4,0|2,3 2,6"},
    {'Z', 4, "0,0 4,0 0,6 4,6"},
    {'0', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|3.2,1.5 0.8,4.5"},
    {'1', 3, "0,1 1.5,0 1.5,6|0,6 3,6"},
    {'2', 4, "0,1 1,0 3,0 4,1 4,2 0,6 4,6"},
    {'3', 4, "0,0 4,0 2,2.5 3,2.5 4,3.5 4,5 3,6 1,6 0,5"},
    {'4', 4, "3,6 3,0 0,4 4,4"},
    {'5', 4, "4,0 0,0 0,2.5 3,2.5 4,3.5 4,5 3,6 0,6"},
    {'6', 4, "3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3"},
    {'7', 4, "0,0 4,0 1.5,6"},
    {'8', 4, "1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3|1,3 0,2 0,1 1,0"},
    {'9', 4, "4,3 1,3 0,2 0,1 1,0 3,0 4,1 4,5 3,6 1,6"},
    {'-', 3, "0,3 3,3"},
    {'.', 1, "0.5,6 0.5,6"},
    {':', 1, "0.5,2 0.5,2|0.5,5 0.5,5"},
    {'!', 1, "0.5,0 0.5,4|0.5,6 0.5,6"},
    {'/', 4, "0,6 4,0"},
    {'\'', 1, "0.5,0 0.5,1.5"},
    {' ', 2.5f, ""},
};

struct Segment {
  Point a, b;
};

struct Glyph {
  float width = 2.5f;
  std::vector<Segment> segments;
};

const std::map<char, Glyph>& Glyphs() {
  static const std::map<char, Glyph> glyphs = [] {
    std::map<char, Glyph> table;
    for (const GlyphSource& source : kGlyphs) {
      Glyph glyph;
      glyph.width = source.width;
      std::stringstream strokes(source.strokes);
      std::string stroke;
      while (std::getline(strokes, stroke, '|')) {
        std::stringstream points(stroke);
        std::string token;
        std::vector<Point> line;
        while (points >> token) {
          Point p;
          if (std::sscanf(token.c_str(), "%f,%f", &p.x, &p.y) == 2) line.push_back(p);
        }
        for (size_t i = 1; i < line.size(); ++i) glyph.segments.push_back({line[i - 1], line[i]});
        if (line.size() == 1) glyph.segments.push_back({line[0], line[0]});
      }
      table[source.letter] = glyph;
    }
    return table;
  }();
  return glyphs;
}

constexpr float kSpacing = 1.6f;  // grid units between glyphs

const Glyph* Find(char c) {
  const auto& glyphs = Glyphs();
  const auto it = glyphs.find(char(std::toupper(static_cast<unsigned char>(c))));
  return it == glyphs.end() ? &glyphs.at(' ') : &it->second;
}

float SegmentDistance(float px, float py, const Segment& s) {
  const float dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const float length2 = dx * dx + dy * dy;
  const float t = length2 > 0 ? std::clamp(((px - s.a.x) * dx + (py - s.a.y) * dy) / length2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - (s.a.x + t * dx), py - (s.a.y + t * dy));
}

}  // namespace

float TextWidth(const std::string& text, float height) {
  const float unit = height / 6.0f;
  float width = 0;
  for (size_t i = 0; i < text.size(); ++i) width += Find(text[i])->width + (i + 1 < text.size() ? kSpacing : 0.0f);
  return width * unit;
}

Shape TextShape(const std::string& text, Point origin, float height, float stroke) {
  const float unit = height / 6.0f;
  auto segments = std::make_shared<std::vector<Segment>>();
  float pen = 0;
  for (char c : text) {
    const Glyph* glyph = Find(c);
    for (const Segment& s : glyph->segments) {
      segments->push_back({{origin.x + (pen + s.a.x) * unit, origin.y + s.a.y * unit},
                           {origin.x + (pen + s.b.x) * unit, origin.y + s.b.y * unit}});
    }
    pen += glyph->width + kSpacing;
  }
  const float half = stroke * 0.5f;
  const Box bounds = Box{origin.x, origin.y, origin.x + TextWidth(text, height), origin.y + height}.Grown(half);
  return {[segments, half](float x, float y) {
            float best = 1e30f;
            for (const Segment& s : *segments) best = std::min(best, SegmentDistance(x, y, s));
            return best - half;
          },
          bounds};
}

Shape CentredText(const std::string& text, float centreX, float top, float height, float stroke) {
  return TextShape(text, {centreX - TextWidth(text, height) * 0.5f, top}, height, stroke);
}

}  // namespace raster
