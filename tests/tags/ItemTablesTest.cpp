// Which engine call each media type's rows reach, reading and writing: the
// frame and user-item formats by key text, FLAC, OGG and APE by item number.
#include "tests/tags/TagsFixture.h"

namespace quillora {
namespace {

constexpr int kField = 31;

// One item: the read call and the engine's answer, the value stored, and the
// call a commit of the value "new" makes. Empty calls: none.
struct ItemCase {
  QString file;
  int mediaType;
  QString itemNumber;
  QString keyText;
  QString readCall;
  QString answer;
  QString stored;
  QString writeCall;
  QString saveCall;
};

void PrintTo(const ItemCase& c, std::ostream* os) {
  *os << c.file.toStdString() << " #" << c.itemNumber.toStdString() << " '" << c.keyText.toStdString() << "'";
}

QString text(int n) { return QStringLiteral("text %1").arg(n); }

std::vector<ItemCase> keyTextCases() {
  const auto frame = [](const char* file, int type, const char* key, const char* family, int id) {
    const QString f = QString::fromLatin1(family);
    return ItemCase{QString::fromLatin1(file), type, {}, QString::fromLatin1(key),
                    QStringLiteral("%1GetTextFrameW(%2)").arg(f).arg(id), QStringLiteral("frame"),
                    QStringLiteral("frame"), QStringLiteral("%1SetTextFrameW(%2,new)").arg(f).arg(id),
                    QStringLiteral("%1SaveChangesW()").arg(f)};
  };
  const auto wma = [](const char* file) {
    return ItemCase{QString::fromLatin1(file), 2, {}, QStringLiteral(" WM/AlbumTitle\t"),
                    QStringLiteral("WMAGetUserItemW(WM/AlbumTitle)"), QStringLiteral("item"),
                    QStringLiteral("item"), QStringLiteral("WMASetUserItemW(WM/AlbumTitle,new)"),
                    QStringLiteral("WMASaveChangesW()")};
  };
  return {
      frame("/m/a.mp3", 1, "1413565506", "ID3V2", 0x54414C42),
      frame("/m/a.MPG", 1, " $54414C42 ", "ID3V2", 0x54414C42),
      frame("/m/a.wav", 5, "x49415254", "WAV", 0x49415254),
      frame("/m/a.m4a", 9, "0XA9616C62", "MP4", -1453233054),
      frame("/m/a.MP4", 9, "0xA9616C62", "MP4", -1453233054),
      frame("/m/a.m4v", 9, "2841734242", "MP4", -1453233054),
      wma("/m/a.wma"),
      wma("/m/a.AVI"),
  };
}

// FLAC: user items by key, read-only facts by their own exports.
std::vector<ItemCase> flacCases() {
  const std::pair<int, const char*> named[] = {
      {1, "ALBUM"},        {2, "ARRANGER"},   {3, "ARTIST"},     {4, "AUTHOR"},    {6, "COMMENT"},
      {7, "COMPOSER"},     {9, "CONTACT"},    {10, "COPYRIGHT"}, {11, "DATE"},     {12, "DESCRIPTION"},
      {13, "DISCNUMBER"},  {14, "ENSEMBLE"},  {15, "GENRE"},     {16, "ISRC"},     {18, "LICENSE"},
      {19, "LOCATION"},    {20, "LYRICIST"},  {25, "ORGANIZATION"}, {26, "PERFORMER"},
      {27, "PUBLISHER"},   {29, "TITLE"},     {30, "TRACKNUMBER"}, {33, "VERSION"}};
  const std::pair<int, const char*> integers[] = {{5, "FLACGetBitsPerSampleW"}, {21, "FLACGetMaxBlockSizeW"},
                                                  {22, "FLACGetMaxFrameSizeW"},  {23, "FLACGetMinBlockSizeW"},
                                                  {24, "FLACGetMinFrameSizeW"},  {28, "FLACGetSamplesW"}};
  std::vector<ItemCase> cases;
  const auto add = [&](int n, QString read, QString answer, QString stored, QString write) {
    cases.push_back({QStringLiteral("/m/a.flac"), 4, QString::number(n), {}, read, answer, stored, write,
                     QStringLiteral("FLACSaveChangesW()")});
  };
  for (const auto& [n, name] : named) {
    const QString key = QString::fromLatin1(name);
    add(n, QStringLiteral("FLACGetUserItemW(%1)").arg(key), text(n), text(n),
        QStringLiteral("FLACSetUserItemW(%1,new)").arg(key));
  }
  for (const auto& [n, name] : integers)
    add(n, QStringLiteral("%1()").arg(QString::fromLatin1(name)), QStringLiteral("-16"), QStringLiteral("-16"), {});
  add(8, QStringLiteral("FLACGetCompressionRatioW()"), QStringLiteral("0.5"), QStringLiteral("0,5"), {});
  add(17, QStringLiteral("FLACGetItemKeysW()"), QStringLiteral("ALBUM,TITLE"), QStringLiteral("ALBUM,TITLE"), {});
  add(32, QStringLiteral("FLACGetVendorW()"), text(32), text(32), QStringLiteral("FLACSetVendorW(new)"));
  for (int n : {31, 34, 35}) add(n, {}, {}, {}, {});
  return cases;
}

// OGG and APE: an export of its own per item; the name list is in number order.
std::vector<ItemCase> namedItemCases(const char* file, int type, const char* family,
                                     std::vector<std::pair<const char*, bool>> names, int past) {
  std::vector<ItemCase> cases;
  const QString f = QString::fromLatin1(family);
  for (int n = 1; n <= past; ++n) {
    const bool listed = n <= int(names.size()) && names[size_t(n - 1)].first;
    const QString name = listed ? QString::fromLatin1(names[size_t(n - 1)].first) : QString();
    const bool writable = listed && names[size_t(n - 1)].second;
    cases.push_back({QString::fromLatin1(file), type, QString::number(n), {},
                     listed ? QStringLiteral("%1Get%2W()").arg(f, name) : QString(), text(n),
                     listed ? text(n) : QString(),
                     writable ? QStringLiteral("%1Set%2W(new)").arg(f, name) : QString(),
                     QStringLiteral("%1SaveChangesW()").arg(f)});
  }
  return cases;
}

std::vector<ItemCase> allCases() {
  std::vector<ItemCase> all = keyTextCases();
  const auto append = [&](std::vector<ItemCase> more) { all.insert(all.end(), more.begin(), more.end()); };
  append(flacCases());
  append(namedItemCases("/m/a.ogg", 6, "OGG",
                        {{"Album", true}, {"Artist", true}, {"Comment", true}, {"Contact", true},
                         {"Copyright", true}, {"Date", true}, {"Description", true}, {"Genre", true},
                         {"ISRC", true}, {"License", true}, {"Location", true}, {"Organization", true},
                         {"Performer", true}, {"Title", true}, {"Track", true}, {nullptr, false},
                         {"Vendor", true}, {"Version", true}},
                        20));
  append(namedItemCases("/m/a.ape", 13, "APE",
                        {{"Album", true}, {"Artist", true}, {"Comment", true}, {"Copyright", true},
                         {"Genre", true}, {"ItemKeys", false}, {"Size", false}, {"Title", true},
                         {"Track", true}, {nullptr, false}, {"Version", false}, {"Year", true}},
                        14));
  // The tag size is a number.
  for (ItemCase& c : all)
    if (c.readCall == QStringLiteral("APEGetSizeW()")) c.answer = c.stored = QStringLiteral("2048");
  return all;
}

class ItemTables : public TagsFixture, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(ItemTables, ReadReachesTheItemsGetter) {
  const ItemCase& c = GetParam();
  addRows({{kField, c.mediaType, c.itemNumber, c.keyText}});
  if (!c.readCall.isEmpty()) fake_engine::SetResult(c.readCall, c.answer);
  tag.Texts().SetFieldValue(kField, QStringLiteral("old"));
  read(c.file);
  QStringList expected{Analyzed(c.file)};
  if (!c.readCall.isEmpty()) expected << c.readCall;
  EXPECT_EQ(fake_engine::Calls(), expected);
  EXPECT_EQ(tag.Texts().GetFieldValue(kField), c.stored);
  EXPECT_EQ(tag.Texts().Lines().size(), c.stored.isEmpty() ? 0 : 1);
}

TEST_P(ItemTables, CommitReachesTheItemsSetterAndSavesOnce) {
  const ItemCase& c = GetParam();
  addRows({{kField, c.mediaType, c.itemNumber, c.keyText}});
  tag.Texts().SetFieldValue(kField, QStringLiteral("new"));
  const SaveResult result = commit(c.file);
  QStringList expected{Analyzed(c.file)};
  if (!c.writeCall.isEmpty()) expected << c.writeCall;
  expected << c.saveCall;
  EXPECT_EQ(fake_engine::Calls(), expected);
  EXPECT_TRUE(result.written());
}

INSTANTIATE_TEST_SUITE_P(EveryItem, ItemTables, ::testing::ValuesIn(allCases()));

}  // namespace
}  // namespace quillora
