#include "fields/BuiltinTables.h"

#include "fields/TableRows.h"

#include <iterator>

namespace quillora {

namespace {

// An integer key and a name; an empty key or name stays an empty value.
struct Row {
  int id;
  const char* name;
  const char* ext = nullptr;
};
constexpr int kNoId = -2147483647 - 1;

QVariant optional(int id) { return id == kNoId ? QVariant() : QVariant(id); }
QVariant optional(const char* text) {
  return text && *text ? QVariant(QString::fromUtf8(text)) : QVariant();
}

template <size_t N>
void fill(MemTable& table, const Row (&rows)[N], const QVector<QString>& columnNames) {
  QVector<int> columns;
  for (const QString& name : columnNames) columns.append(table.columnIndexOrThrow(name));
  std::vector<QVector<QVariant>> values;
  for (const Row& r : rows) {
    QVector<QVariant> row{optional(r.id), optional(r.name)};
    if (columns.size() > 2) row.append(optional(r.ext));
    values.push_back(row);
  }
  ReplaceTableRows(table, columns, values);
}

constexpr Row kMediaFormats[] = {
    {0, "Unknown", nullptr},     {1, "MPEG", ",MPG,MP3,"},        {2, "WMA", ",WMA,AVI,"},
    {3, "Monkey", nullptr},      {4, "Flac", ",FLAC,"},           {5, "WAV", ",WAV,"},
    {6, "OGGVORBIS", ",OGG,"},   {7, "MPEGPLUS", ",MPEG,"},       {8, "AAC", ",AAC,"},
    {9, "MP4M4A", ",MP4,M4A,M4V,"}, {10, "TTA", ",TTA,"},         {11, "WAVPACK", ",WAVPACK,"},
    {12, "ITunes", ",MP4,M4A,M4V,"}, {13, "APE", ",APE,"},
};

constexpr Row kFieldTypes[] = {
    {kNoId, "Unknown"}, {1, "String"}, {2, "Boolean"}, {3, "Date"}, {4, "Integer"},
};

constexpr Row kPictureTypes[] = {
    {0, "Other"},                 {1, "File Icon"},             {2, "Other File Icon"},
    {3, "Cover Front"},           {4, "Cover Back"},            {5, "Leaflet Page"},
    {6, "Media Label"},           {7, "Lead Artist"},           {8, "Artist Preformer"},
    {9, "Conductor"},             {10, "Band Orchestra"},       {11, "Composer"},
    {12, "Lyricist"},             {13, "Recording Location"},   {14, "During Recording"},
    {15, "During Performance"},   {16, "Movie Video Screen C"}, {17, "A Bright Colored Fis"},
    {18, "Illustration"},         {19, "Band Artist LogoType"}, {20, "Publisher Studio Log"},
};

// The catalogue's names by field identifier, stored exactly so: some end in
// a blank or in a blank and a line break, as the ID3v2 frame list they were
// taken from did.
constexpr const char* kCatalogueNames[] = {
    "Erroneous frame, ie chars not in [a..z, A..Z, 0..9]",  // 0
    "Padding",  // 1
    "No known frame",  // 2
    "Audio Encription",  // 3
    "Attached picture",  // 4
    "Audio seek point index",  // 5
    "Comments",  // 6
    "Commercial frame",  // 7
    "Encryption method registration",  // 8
    "Equalisation (2)",  // 9
    "Equalisation (1)",  // 10
    "Event timing Codes",  // 11
    " General encapsulated object",  // 12
    "Group identification registration",  // 13
    "Involved people list",  // 14
    "Linked information",  // 15
    "Music CD identifier",  // 16
    "MPEG location lookup table",  // 17
    "Ownership frame",  // 18
    "Private frame",  // 19
    "Play counter",  // 20
    "Popularimeter",  // 21
    "Position synchronisation frame",  // 22
    "Recommended buffer size",  // 23
    "Relative volume adjustment (2)",  // 24
    "Relative volume adjustment",  // 25
    "Reverb",  // 26
    "Seek frame",  // 27
    "Signature frame",  // 28
    "Synchronized lyric/text",  // 29
    "Synchronized tempo codes",  // 30
    "Album/Movie/Show title",  // 31
    "BPM (beats per minute)",  // 32
    "Composer",  // 33
    "Content type",  // 34
    "Copyright message",  // 35
    "Date",  // 36
    "Encoding time",  // 37
    "Playlist delay",  // 38
    "Original release time",  // 39
    "Recording time",  // 40
    "Release time",  // 41
    "Tagging time",  // 42
    "Involved people list",  // 43
    "Encoded by",  // 44
    "Lyricist/Text writer",  // 45
    "File type",  // 46
    "Time",  // 47
    "Content group description",  // 48
    "Title/songname/content description",  // 49
    "Subtitle/Description refinement \r\n",  // 50
    "Initial key \r\n",  // 51
    "Language(s) \r\n",  // 52
    "Length",  // 53
    "Musician credits list \r\n",  // 54
    "Media type",  // 55
    "Mood",  // 56
    "Original album/movie/show title \r\n",  // 57
    "Original filename ",  // 58
    "Original lyricist(s)/text writer(s) ",  // 59
    "Original artist(s)/performer(s) ",  // 60
    "Original release year ",  // 61
    "File owner/licensee ",  // 62
    "Lead performer(s)/Soloist(s) ",  // 63
    "Band/orchestra/accompaniment ",  // 64
    "Conductor/performer refinement ",  // 65
    "Interpreted, remixed, or otherwise modified by ",  // 66
    "Part of a set ",  // 67
    "Produced notice ",  // 68
    "Publisher",  // 69
    "Track number/Position in set ",  // 70
    "Recording dates ",  // 71
    "Internet radio station name ",  // 72
    "Internet radio station owner ",  // 73
    "Size",  // 74
    "Album sort order ",  // 75
    "Performer sort order ",  // 76
    "Title sort order ",  // 77
    "ISRC (international standard recording code)",  // 78
    "Software/Hardware and settings used for encoding ",  // 79
    "Set subtitle ",  // 80
    "User defined text information ",  // 81
    "Year",  // 82
    "Unique file identifier ",  // 83
    "Terms of use ",  // 84
    "Unsynchronized lyric/text transcription ",  // 85
    "Commercial information ",  // 86
    "Copyright/Legal information ",  // 87
    "Official audio file webpage ",  // 88
    "Official artist/performer webpage ",  // 89
    "Official audio source webpage ",  // 90
    "Official internet radio station homepage ",  // 91
    "Payment ",  // 92
    "Official publisher webpage ",  // 93
    "User defined URL link ",  // 94
    "Encrypted meta frame (ID3v2.2.x) ",  // 95
    "Compressed meta frame (ID3v2.2.1) ",  // 96
    "",  // 97
    "",  // 98
    "",  // 99
};

}  // namespace

void FillBuiltinMediaFormats(MemTable& mdMediaFormat) {
  fill(mdMediaFormat, kMediaFormats, {"ID", "FormatName", "FormatExt"});
}

void FillBuiltinCatalogue(MemTable& mdFields) {
  Row rows[std::size(kCatalogueNames)];
  for (size_t id = 0; id < std::size(kCatalogueNames); ++id) rows[id] = {int(id), kCatalogueNames[id]};
  fill(mdFields, rows, {"ID", "Name"});
}

void FillBuiltinFieldTypes(MemTable& mdFieldTypes) {
  fill(mdFieldTypes, kFieldTypes, {"TypeID", "TypeName"});
}

void FillBuiltinPictureTypes(MemTable& mdPictureType) {
  fill(mdPictureType, kPictureTypes, {"ID", "FieldName"});
}

}  // namespace quillora
