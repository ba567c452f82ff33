// MPEG audio files: the ID3v2 tag is edited frame by frame; ID3v1 and APE tags
// are kept as they are (listed so that a save can check they survive).
#include "engine/FileBytes.h"
#include "engine/Format.h"
#include "engine/Id3v2Raw.h"
#include "engine/TagRegions.h"
#include "engine/Text.h"

#include <taglib/apetag.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v1genres.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/urllinkframe.h>

#include <set>

namespace quillora::engine {

namespace {

using TagLib::String;

// The genre list with ID3v1 genre numbers written as their names.
TagLib::StringList genreNames(TagLib::StringList values) {
  for (auto& value : values) {
    bool number = !value.isEmpty();
    for (wchar_t c : value) number = number && c >= L'0' && c <= L'9';
    if (number && value.size() <= 3) {
      const String name = TagLib::ID3v1::genre(value.toInt());
      if (!name.isEmpty()) value = name;
    }
  }
  return values;
}

// The key and text an ID3v2 frame is listed under. Text frames and URL
// frames are reached by their identifier, the comment without description as
// "COMM"; frames with a description carry it in the key.
std::pair<String, String> frameItem(const TagLib::ID3v2::Frame& frame) {
  const String id(frame.frameID(), String::Latin1);
  if (const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(&frame))
    return {comment->description().isEmpty() ? id : id + "/" + comment->description(), comment->text()};
  if (const auto* user = dynamic_cast<const TagLib::ID3v2::UserTextIdentificationFrame*>(&frame))
    return {id + "/" + user->description(), user->toString()};
  if (const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(&frame))
    return {id, joined(id == "TCON" ? genreNames(text->fieldList()) : text->fieldList())};
  if (const auto* userUrl = dynamic_cast<const TagLib::ID3v2::UserUrlLinkFrame*>(&frame))
    return {id + "/" + userUrl->description(), userUrl->url()};
  return {id, frame.toString()};
}

void addItem(Items& items, const String& key, const String& text) {
  auto [it, added] = items.emplace(key, text);
  if (!added) it->second += String(kValueSeparator) + text;
}

Items otherTags(TagLib::MPEG::File& file) {
  Items items;
  if (file.hasID3v1Tag()) {
    const TagLib::Tag& v1 = *file.ID3v1Tag();
    addItem(items, "=ID3v1", v1.title() + "|" + v1.artist() + "|" + v1.album() + "|" + v1.comment() + "|" +
                                 v1.genre() + "|" + String::number(v1.year()) + "|" + String::number(v1.track()));
  }
  if (file.hasAPETag())
    for (const auto& [key, item] : file.APETag()->itemListMap()) addItem(items, "=APE/" + key, item.toString());
  return items;
}

void setCommentText(TagLib::ID3v2::Tag& tag, const String& text) {
  for (auto* frame : tag.frameList("COMM")) {
    auto* comment = dynamic_cast<TagLib::ID3v2::CommentsFrame*>(frame);
    if (!comment || !comment->description().isEmpty()) continue;
    if (text.isEmpty())
      tag.removeFrame(comment);
    else
      comment->setText(text);
    return;
  }
  if (text.isEmpty()) return;
  auto* comment = new TagLib::ID3v2::CommentsFrame(String::UTF8);
  comment->setLanguage("eng");
  comment->setText(text);
  tag.addFrame(comment);
}

class MpegFormat final : public Format {
 public:
  const char* name() const override { return "MPEG"; }

  // The file is read as it is unless its first tag has an extended header,
  // which the already open file's first bytes tell without another open.
  Opened open(const std::string& path, Access access) const override {
    Opened opened = streamFor(path, access);
    opened.file = std::make_unique<TagLib::MPEG::File>(opened.stream.get(), TagLib::ID3v2::FrameFactory::instance());
    if (startsWithExtendedHeader(*opened.file)) {
      const Prefix repair = withoutExtendedHeader(path);
      if (repair.replaced > 0) {
        opened.file.reset();  // before the stream it reads
        opened = repaired(path, repair);
      }
    }
    const auto* properties = opened.file->audioProperties();
    if (!opened.file->isValid() || !properties || properties->sampleRate() <= 0) return {};
    return opened;
  }

  Items items(TagLib::File& file) const override {
    auto& mpeg = static_cast<TagLib::MPEG::File&>(file);
    Items items = otherTags(mpeg);
    if (auto* tag = mpeg.ID3v2Tag())
      for (const auto* frame : tag->frameList()) {
        const auto [key, text] = frameItem(*frame);
        addItem(items, key, text);
      }
    return items;
  }

  void apply(TagLib::File& file, const String& key, const String& text) const override {
    TagLib::ID3v2::Tag& tag = *static_cast<TagLib::MPEG::File&>(file).ID3v2Tag(true);
    const TagLib::ByteVector id = key.data(String::Latin1);
    if (id == "COMM") return setCommentText(tag, text);
    const bool textFrame = id.startsWith("T") && id != "TXXX";
    const bool urlFrame = id.startsWith("W") && id != "WXXX";
    if (id.size() != 4 || (!textFrame && !urlFrame))
      throw Failure("The ID3v2 frame " + key.to8Bit(true) + " cannot be written as text");
    if (text.isEmpty() || !tag.frameList(id).isEmpty()) tag.removeFrames(id);
    if (text.isEmpty()) return;
    if (textFrame) {
      auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, String::UTF8);
      frame->setText(text);
      tag.addFrame(frame);
    } else {
      auto* frame = new TagLib::ID3v2::UrlLinkFrame(id);
      frame->setUrl(text);
      tag.addFrame(frame);
    }
  }

  void clear(TagLib::File& file) const override {
    static_cast<TagLib::MPEG::File&>(file).strip(TagLib::MPEG::File::AllTags);
  }

  // An existing tag keeps its version; a new one is written as ID3v2.3.
  bool save(TagLib::File& file, const Changes&) const override {
    auto& mpeg = static_cast<TagLib::MPEG::File&>(file);
    const bool v4 = mpeg.hasID3v2Tag() && mpeg.ID3v2Tag()->header()->majorVersion() == 4;
    return mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, v4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3,
                     TagLib::File::DoNotDuplicate);
  }

  std::optional<Ranges> audio(const std::string& path) const override { return mpegAudio(path); }

  // Compares the frames of both tags as written, which TagLib's own reading
  // may not show all of.
  void check(const std::string& original, const std::string& saved, const Changes& changes,
             bool clear) const override {
    const auto before = readRawId3v2(original);
    if (clear || !before || before->version < 3) return;
    const auto after = readRawId3v2(saved);
    const bool v3 = before->version == 3;
    std::set<std::string> touched;
    for (const auto& change : changes) touched.insert(normalised(change.first.to8Bit(), v3));
    if (frames(before->frameIds, touched, v3) != frames(after ? after->frameIds : std::vector<std::string>{},
                                                          touched, v3))
      throw Failure("Verification failed: the saved ID3v2 tag does not hold every frame of the original");
  }

  Prefix copyPrefix(const std::string& path) const override { return withoutExtendedHeader(path); }

 private:
  // The ID3v2 header's flag of an extended header (sixth byte).
  static constexpr unsigned char kExtendedHeaderFlag = 0x40;

  static bool startsWithExtendedHeader(TagLib::File& file) {
    if (!file.isOpen()) return false;
    file.seek(0);
    const TagLib::ByteVector head = file.readBlock(6);
    return head.size() == 6 && head.startsWith("ID3") && (static_cast<unsigned char>(head[5]) & kExtendedHeaderFlag);
  }

  // The file read from memory with `repair` in place of its first bytes.
  static Opened repaired(const std::string& path, const Prefix& repair) {
    const FileBytes file(path);
    TagLib::ByteVector bytes = repair.bytes;
    bytes.append(file.read(repair.replaced, file.size() - repair.replaced));
    Opened opened;
    opened.stream = std::make_unique<TagLib::ByteVectorStream>(bytes);
    opened.file = std::make_unique<TagLib::MPEG::File>(opened.stream.get(), TagLib::ID3v2::FrameFactory::instance());
    return opened;
  }

  // ID3v2.3 frames that TagLib reads as another frame (or merges into one).
  static std::string normalised(const std::string& id, bool v3) {
    if (!v3) return id;
    if (id == "TYER" || id == "TDAT" || id == "TIME") return "TDRC";
    if (id == "TORY") return "TDOR";
    if (id == "IPLS" || id == "TMCL") return "TIPL";
    return id;
  }

  static std::multiset<std::string> frames(const std::vector<std::string>& ids, const std::set<std::string>& touched,
                                           bool v3) {
    std::multiset<std::string> kept;
    std::set<std::string> dates;  // a date may be one frame or up to three
    for (const std::string& id : ids) {
      const std::string frame = normalised(id, v3);
      if (touched.count(frame)) continue;
      if (frame == "TDRC" || frame == "TIPL") {
        dates.insert(frame);
        continue;
      }
      kept.insert(frame);
    }
    kept.insert(dates.begin(), dates.end());
    return kept;
  }
};

}  // namespace

const Format& mpegFormat() {
  static const MpegFormat format;
  return format;
}

}  // namespace quillora::engine
