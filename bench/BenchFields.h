// The ten tag fields every file of the benchmark's library carries, as
// TagLib property names with their values, and the one field the changing
// commit sets.
#pragma once

#include <array>

namespace quillora::bench {

struct BenchField {
  const char* property;  // TagLib property name
  const char* value;     // UTF-8
};

inline constexpr std::array<BenchField, 10> kBenchFields{{
    {"TITLE", "Nocturne in the Rain"},
    {"ARTIST", "Ensemble Lumière"},
    {"ALBUM", "Nachtmusik für Streicher"},
    {"DATE", "1998"},
    {"TRACKNUMBER", "7/12"},
    {"GENRE", "Classical"},
    {"COMMENT", "Recorded live at the old town hall"},
    {"COMPOSER", "Antonín Dvořák"},
    {"ALBUMARTIST", "Various Artists"},
    {"DISCNUMBER", "2/3"},
}};

// The field the changing commit sets in every file (the album), by the
// track grid caption the window shows it under.
inline constexpr const char* kChangedCaption = "Album";

}  // namespace quillora::bench
