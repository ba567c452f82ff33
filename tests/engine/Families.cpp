#include "Families.h"

#include "EngineTestSupport.h"

#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/commentsframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <stdexcept>

namespace quillora::test {

namespace {

using TagLib::String;

std::string utf8(const String& s) {
  return s.to8Bit(true);
}

TagLibItems readId3v2(const std::string& path) {
  TagLib::MPEG::File file(path.c_str());
  TagLibItems items;
  if (!file.ID3v2Tag()) return items;
  for (const auto* frame : file.ID3v2Tag()->frameList()) {
    const std::string id(frame->frameID().data(), frame->frameID().size());
    if (const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame))
      items[id] = utf8(comment->text());
    else if (const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frame))
      items[id] = utf8(text->fieldList().toString("|"));
  }
  return items;
}

TagLibItems readAsf(const std::string& path) {
  TagLib::ASF::File file(path.c_str());
  const TagLib::ASF::Tag& tag = *file.tag();
  TagLibItems items{{"Title", utf8(tag.title())},         {"Author", utf8(tag.artist())},
                    {"Copyright", utf8(tag.copyright())}, {"Description", utf8(tag.comment())},
                    {"Rating", utf8(tag.rating())}};
  for (const auto& [name, attributes] : tag.attributeListMap()) {
    TagLib::StringList texts;
    for (const auto& a : attributes)
      texts.append(a.type() == TagLib::ASF::Attribute::DWordType ? String::number(a.toUInt()) : a.toString());
    items.emplace(utf8(name), utf8(texts.toString("|")));  // the content description comes first
  }
  return items;
}

TagLibItems readXiph(const TagLib::Ogg::XiphComment* comment) {
  TagLibItems items;
  if (!comment) return items;
  for (const auto& [key, values] : comment->fieldListMap()) items[utf8(key)] = utf8(values.toString("|"));
  items["vendor"] = utf8(comment->vendorID());
  return items;
}

TagLibItems readFlac(const std::string& path) {
  TagLib::FLAC::File file(path.c_str());
  return readXiph(file.xiphComment());
}

TagLibItems readOgg(const std::string& path) {
  TagLib::Ogg::Vorbis::File file(path.c_str());
  return readXiph(file.tag());
}

TagLibItems readInfo(const std::string& path) {
  TagLib::RIFF::WAV::File file(path.c_str());
  TagLibItems items;
  for (const auto& [id, text] : file.InfoTag()->fieldListMap())
    items[std::string(id.data(), id.size())] = utf8(text);
  return items;
}

TagLibItems readMp4(const std::string& path) {
  TagLib::MP4::File file(path.c_str());
  TagLibItems items;
  for (const auto& [key, item] : file.tag()->itemMap()) {
    const std::string name = key.to8Bit(false);  // Latin-1 bytes: "\xA9" "alb"
    if (key == "trkn" || key == "disk") {
      const auto pair = item.toIntPair();
      items[name] = std::to_string(pair.first) + (pair.second ? "/" + std::to_string(pair.second) : "");
    } else if (key == "tmpo") {
      items[name] = std::to_string(item.toInt());
    } else {
      items[name] = utf8(item.toStringList().toString("|"));
    }
  }
  return items;
}

TagLibItems readApe(const std::string& path) {
  TagLib::APE::File file(path.c_str());
  TagLibItems items;
  if (file.APETag())
    for (const auto& [key, item] : file.APETag()->itemListMap())
      items[utf8(key)] = utf8(item.values().toString("|"));
  return items;
}

// Families whose items each have their own export, reached through a table.
struct Accessor {
  const char* key;
  char16_t* (*get)();
  void (*set)(const char16_t*);
};

const std::vector<Accessor> kOggAccessors{
    {"ALBUM", OGGGetAlbumW, OGGSetAlbumW},          {"ARTIST", OGGGetArtistW, OGGSetArtistW},
    {"COMMENT", OGGGetCommentW, OGGSetCommentW},    {"CONTACT", OGGGetContactW, OGGSetContactW},
    {"COPYRIGHT", OGGGetCopyrightW, OGGSetCopyrightW}, {"DATE", OGGGetDateW, OGGSetDateW},
    {"DESCRIPTION", OGGGetDescriptionW, OGGSetDescriptionW}, {"GENRE", OGGGetGenreW, OGGSetGenreW},
    {"ISRC", OGGGetISRCW, OGGSetISRCW},             {"LICENSE", OGGGetLicenseW, OGGSetLicenseW},
    {"LOCATION", OGGGetLocationW, OGGSetLocationW}, {"ORGANIZATION", OGGGetOrganizationW, OGGSetOrganizationW},
    {"PERFORMER", OGGGetPerformerW, OGGSetPerformerW}, {"TITLE", OGGGetTitleW, OGGSetTitleW},
    {"TRACKNUMBER", OGGGetTrackW, OGGSetTrackW},    {"vendor", OGGGetVendorW, OGGSetVendorW},
    {"VERSION", OGGGetVersionW, OGGSetVersionW}};

const std::vector<Accessor> kApeAccessors{
    {"ALBUM", APEGetAlbumW, APESetAlbumW},     {"ARTIST", APEGetArtistW, APESetArtistW},
    {"COMMENT", APEGetCommentW, APESetCommentW}, {"COPYRIGHT", APEGetCopyrightW, APESetCopyrightW},
    {"GENRE", APEGetGenreW, APESetGenreW},     {"TITLE", APEGetTitleW, APESetTitleW},
    {"TRACK", APEGetTrackW, APESetTrackW},     {"YEAR", APEGetYearW, APESetYearW}};

const Accessor& accessor(const std::vector<Accessor>& table, const std::string& key) {
  for (const auto& a : table)
    if (key == a.key) return a;
  throw std::out_of_range(key);
}

std::vector<std::string> keysOf(const std::vector<Accessor>& table) {
  std::vector<std::string> keys;
  for (const auto& a : table) keys.emplace_back(a.key);
  return keys;
}

}  // namespace

void PrintTo(const Family& family, std::ostream* out) {
  *out << family.name;
}

const std::vector<Family>& families() {
  static const std::vector<Family> all{
      {"MPEG", "v24.mp3",
       {"TIT2", "TPE1", "TALB", "TDRC", "TRCK", "TCON", "COMM", "TCOM", "TPE2", "TPOS", "TOAL", "TOPE", "TCOP",
        "TENC", "TBPM", "TPUB", "TSRC"},
       [](const std::string& k, const std::u16string& t) { ID3V2SetTextFrameW(frameId(k), t.c_str()); },
       [](const std::string& k) { return take(ID3V2GetTextFrameW(frameId(k))); }, ID3V2SaveChangesW, readId3v2},
      {"WMA", "tagged.wma",
       {"Title", "Author", "WM/AlbumTitle", "WM/Year", "WM/TrackNumber", "WM/Genre", "Description", "WM/Composer",
        "WM/AlbumArtist", "WM/PartOfSet", "WM/OriginalArtist", "Copyright", "WM/EncodedBy", "WM/BeatsPerMinute",
        "WM/Publisher", "WM/ISRC"},
       [](const std::string& k, const std::u16string& t) { WMASetUserItemW(u16(k).c_str(), t.c_str()); },
       [](const std::string& k) { return take(WMAGetUserItemW(u16(k).c_str())); }, WMASaveChangesW, readAsf},
      {"FLAC", "tagged.flac",
       {"ALBUM", "ARTIST", "COMMENT", "COMPOSER", "COPYRIGHT", "DATE", "DISCNUMBER", "ENSEMBLE", "GENRE", "ISRC",
        "PUBLISHER", "TITLE", "TRACKNUMBER"},
       [](const std::string& k, const std::u16string& t) { FLACSetUserItemW(u16(k).c_str(), t.c_str()); },
       [](const std::string& k) { return take(FLACGetUserItemW(u16(k).c_str())); }, FLACSaveChangesW, readFlac},
      {"WAV", "tagged.wav", {"INAM", "IART", "IPRD", "ICRD", "IPRT", "IGNR", "ICMT", "ICOP", "ITCH"},
       [](const std::string& k, const std::u16string& t) { WAVSetTextFrameW(frameId(k), t.c_str()); },
       [](const std::string& k) { return take(WAVGetTextFrameW(frameId(k))); }, WAVSaveChangesW, readInfo},
      {"OGG", "tagged.ogg", keysOf(kOggAccessors),
       [](const std::string& k, const std::u16string& t) { accessor(kOggAccessors, k).set(t.c_str()); },
       [](const std::string& k) { return take(accessor(kOggAccessors, k).get()); }, OGGSaveChangesW, readOgg},
      {"MP4", "tagged.m4a",
       {"\xA9nam", "\xA9" "ART", "\xA9" "alb", "\xA9" "day", "trkn", "\xA9gen", "\xA9" "cmt", "\xA9wrt", "aART",
        "disk", "cprt", "\xA9too", "tmpo"},
       [](const std::string& k, const std::u16string& t) { MP4SetTextFrameW(frameId(k), t.c_str()); },
       [](const std::string& k) { return take(MP4GetTextFrameW(frameId(k))); }, MP4SaveChangesW, readMp4},
      {"APE", "tagged.ape", keysOf(kApeAccessors),
       [](const std::string& k, const std::u16string& t) { accessor(kApeAccessors, k).set(t.c_str()); },
       [](const std::string& k) { return take(accessor(kApeAccessors, k).get()); }, APESaveChangesW, readApe},
  };
  return all;
}

const Family& family(const std::string& name) {
  for (const auto& f : families())
    if (f.name == name) return f;
  throw std::out_of_range(name);
}

std::string sampleValue(const std::string& key, int index) {
  if (key == "TRCK" || key == "trkn" || key == "TRACKNUMBER" || key == "TRACK" || key == "WM/TrackNumber")
    return std::to_string(index + 1) + "/12";
  if (key == "TPOS" || key == "disk" || key == "DISCNUMBER" || key == "WM/PartOfSet") return "2/3";
  if (key == "TBPM" || key == "tmpo" || key == "WM/BeatsPerMinute") return "128";
  if (key == "TDRC" || key == "\xA9" "day" || key == "DATE" || key == "YEAR" || key == "WM/Year" || key == "ICRD")
    return "1999";
  static const char* const kTexts[] = {"שלום עולם", "Привет, мир", "こんにちは世界", "Ünïcödé"};
  return std::string(kTexts[index % 4]) + " " + std::to_string(index);
}

}  // namespace quillora::test
