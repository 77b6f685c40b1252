// Ogg Vorbis writer over libvorbisenc: variable bit rate, fixed serial number.
#include "sounds/OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace sound {

namespace {

void WritePage(std::FILE* file, const ogg_page& page, bool& ok) {
  ok =
      std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) == static_cast<size_t>(page.header_len) &&
      ok;
  ok = std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) == static_cast<size_t>(page.body_len) && ok;
}

// Moves every finished block through the encoder into pages on disk.
void Drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::FILE* file, bool& ok) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
      ogg_stream_packetin(&stream, &packet);
      while (ogg_stream_pageout(&stream, &page)) WritePage(file, page, ok);
    }
  }
}

}  // namespace

bool WriteOgg(const std::string& path, const Track& track, bool mono, int serial, float quality) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  int channels = mono ? 1 : 2;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, kRate, quality) != 0) {
    vorbis_info_clear(&info);
    std::fclose(file);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", "Orvane");
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, serial);

  bool ok = true;
  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  // The headers get pages of their own, as players expect.
  while (ogg_stream_flush(&stream, &page)) WritePage(file, page, ok);

  const size_t kChunk = 4096;
  for (size_t done = 0; done < track.Length(); done += kChunk) {
    size_t n = std::min(kChunk, track.Length() - done);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) {
      if (mono) {
        buffer[0][i] = 0.5f * (track.left[done + i] + track.right[done + i]);
      } else {
        buffer[0][i] = track.left[done + i];
        buffer[1][i] = track.right[done + i];
      }
    }
    vorbis_analysis_wrote(&dsp, static_cast<int>(n));
    Drain(dsp, block, stream, file, ok);
  }
  vorbis_analysis_wrote(&dsp, 0);
  Drain(dsp, block, stream, file, ok);
  while (ogg_stream_flush(&stream, &page)) WritePage(file, page, ok);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return std::fclose(file) == 0 && ok;
}

}  // namespace sound
