// Every item each family writes reads back with TagLib itself, non-Latin
// text included, with the audio as it was; an untouched multi-value item
// keeps its values; a save with nothing changed leaves the file alone.
#include "EngineTestSupport.h"
#include "Families.h"

#include <gtest/gtest.h>

#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>

#include <functional>
#include <set>

namespace quillora::test {
namespace {

// The audio a save must not change: for files whose tags are blocks around
// the audio, the bytes between them; for containers, the decoded PCM.
std::string audioOf(const std::string& path) {
  const std::string bytes = readBytes(path);
  const auto byte = [&](size_t at) { return static_cast<size_t>(static_cast<unsigned char>(bytes.at(at))); };
  if (path.ends_with(".ape")) return bytes.substr(0, bytes.find("APETAGEX"));
  if (path.ends_with(".mp3")) {
    if (!bytes.starts_with("ID3")) return bytes;
    return bytes.substr(10 + (byte(6) << 21 | byte(7) << 14 | byte(8) << 7 | byte(9)));
  }
  if (path.ends_with(".flac")) {
    size_t at = 4;  // after "fLaC": metadata blocks, the last one flagged
    for (bool last = false; !last; at += 4 + (byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3)))
      last = byte(at) & 0x80;
    return bytes.substr(at);
  }
  return decodedAudio(path);
}

// The values of a joined text, in no order (WMA files keep none).
std::set<std::string> valuesOf(const std::string& text, const std::string& separator) {
  std::set<std::string> values;
  for (size_t start = 0, end = 0; end != std::string::npos; start = end + separator.size()) {
    end = text.find(separator, start);
    values.insert(text.substr(start, end == std::string::npos ? end : end - start));
  }
  return values;
}

class EveryFamily : public ::testing::TestWithParam<Family> {};

TEST_P(EveryFamily, EveryItemIsWrittenAndReadsBackWithTagLib) {
  const Family& f = GetParam();
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  const std::string audio = audioOf(path);
  ASSERT_FALSE(audio.empty());

  ASSERT_TRUE(analyze(path));
  std::map<std::string, std::string> written;
  for (size_t i = 0; i < f.keys.size(); ++i) {
    written[f.keys[i]] = sampleValue(f.keys[i], static_cast<int>(i));
    f.set(f.keys[i], u16(written[f.keys[i]]));
  }
  ASSERT_EQ(f.save(), -1) << lastError();
  EXPECT_EQ(lastError(), "");

  TagLibItems items = f.read(path);
  for (const auto& [key, text] : written) EXPECT_EQ(items[key], text) << f.name << " " << key;
  EXPECT_EQ(audioOf(path), audio);
  ASSERT_TRUE(analyze(path));
  for (const auto& [key, text] : written) EXPECT_EQ(f.get(key), text) << f.name << " " << key;
}

TEST_P(EveryFamily, AnEmptyTextRemovesTheItem) {
  const Family& f = GetParam();
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  const std::string key = f.keys.front();
  ASSERT_TRUE(analyze(path));
  f.set(key, u16("Something"));
  ASSERT_EQ(f.save(), -1) << lastError();
  f.set(key, u16(""));
  ASSERT_EQ(f.save(), -1) << lastError();
  EXPECT_EQ(f.read(path).count(key) ? f.read(path)[key] : "", "");
  EXPECT_EQ(f.get(key), "");
}

TEST_P(EveryFamily, ASaveWithNothingChangedDoesNotTouchTheFile) {
  const Family& f = GetParam();
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  const std::string bytes = readBytes(path);
  const struct stat before = statOf(path);

  ASSERT_TRUE(analyze(path));
  for (const auto& key : f.keys) f.set(key, u16(f.get(key)));  // each item given its own text
  EXPECT_EQ(f.save(), -1) << lastError();
  ASSERT_TRUE(analyze(path));
  const std::string original = f.get(f.keys.front());
  f.set(f.keys.front(), u16("changed, then changed back"));
  f.set(f.keys.front(), u16(original));
  EXPECT_EQ(f.save(), -1) << lastError();

  EXPECT_EQ(readBytes(path), bytes);
  const struct stat after = statOf(path);
  EXPECT_TRUE(sameTime(before.st_mtim, after.st_mtim));
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_P(EveryFamily, PendingChangesAreDroppedWhenAnotherFileIsAnalysed) {
  const Family& f = GetParam();
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  const std::string bytes = readBytes(path);
  ASSERT_TRUE(analyze(path));
  f.set(f.keys.front(), u16("never saved"));
  ASSERT_TRUE(analyze(dir.copy("plain.mp3")));
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(f.save(), -1);
  EXPECT_EQ(readBytes(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(Engine, EveryFamily, ::testing::ValuesIn(families()),
                         [](const auto& info) { return info.param.name; });

// A file of the family with one item holding two values, "Eins" and "Zwei".
struct MultiValueCase {
  std::string family, key;
  std::function<void(const std::string& path)> prepare;
};

const std::vector<MultiValueCase> kMultiValueCases{
    {"MPEG", "TPE1",
     [](const std::string& path) {
       TagLib::MPEG::File file(path.c_str());
       auto* frame = new TagLib::ID3v2::TextIdentificationFrame("TPE1", TagLib::String::UTF8);
       frame->setText(TagLib::StringList(TagLib::String("Eins")).append("Zwei"));
       file.ID3v2Tag()->removeFrames("TPE1");
       file.ID3v2Tag()->addFrame(frame);
       file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4);
     }},
    {"FLAC", "ARTIST",
     [](const std::string& path) {
       TagLib::FLAC::File file(path.c_str());
       file.xiphComment()->addField("ARTIST", "Eins", true);
       file.xiphComment()->addField("ARTIST", "Zwei", false);
       file.save();
     }},
    {"OGG", "ARTIST",
     [](const std::string& path) {
       TagLib::Ogg::Vorbis::File file(path.c_str());
       file.tag()->addField("ARTIST", "Eins", true);
       file.tag()->addField("ARTIST", "Zwei", false);
       file.save();
     }},
    {"WMA", "WM/Composer",
     [](const std::string& path) {
       TagLib::ASF::File file(path.c_str());
       file.tag()->setAttribute("WM/Composer", TagLib::ASF::Attribute(TagLib::String("Eins")));
       file.tag()->addAttribute("WM/Composer", TagLib::ASF::Attribute(TagLib::String("Zwei")));
       file.save();
     }},
    {"MP4", "\xA9" "ART",
     [](const std::string& path) {
       TagLib::MP4::File file(path.c_str());
       file.tag()->setItem("\251ART", TagLib::StringList(TagLib::String("Eins")).append("Zwei"));
       file.save();
     }},
    {"APE", "ARTIST",
     [](const std::string& path) {
       TagLib::APE::File file(path.c_str());
       file.APETag()->setItem("Artist", TagLib::APE::Item("Artist", TagLib::StringList(TagLib::String("Eins")).append("Zwei")));
       file.save();
     }},
};

void PrintTo(const MultiValueCase& c, std::ostream* out) {
  *out << c.family;
}

class MultiValue : public ::testing::TestWithParam<MultiValueCase> {};

TEST_P(MultiValue, AnItemGivenItsOwnTextKeepsEveryValue) {
  const Family& f = family(GetParam().family);
  const std::string& key = GetParam().key;
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  GetParam().prepare(path);
  const std::set<std::string> values{"Eins", "Zwei"};
  ASSERT_EQ(valuesOf(f.read(path)[key], "|"), values) << "the fixture could not be prepared";

  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(valuesOf(f.get(key), "; "), values);
  f.set(key, u16(f.get(key)));
  const std::string other = f.keys.front() == key ? f.keys.back() : f.keys.front();
  f.set(other, u16("Another value"));
  ASSERT_EQ(f.save(), -1) << lastError();

  EXPECT_EQ(valuesOf(f.read(path)[key], "|"), values);
  EXPECT_EQ(f.read(path)[other], "Another value");
}

TEST_P(MultiValue, AChangedTextReplacesTheValues) {
  const Family& f = family(GetParam().family);
  const std::string& key = GetParam().key;
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  GetParam().prepare(path);
  ASSERT_TRUE(analyze(path));
  f.set(key, u16("Drei"));
  ASSERT_EQ(f.save(), -1) << lastError();
  EXPECT_EQ(f.read(path)[key], "Drei");
}

INSTANTIATE_TEST_SUITE_P(Engine, MultiValue, ::testing::ValuesIn(kMultiValueCases),
                         [](const auto& info) { return info.param.family; });

}  // namespace
}  // namespace quillora::test
