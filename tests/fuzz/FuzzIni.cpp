// The INI reader on hostile bytes: load, read the settings' keys, write a few,
// save and load again. What was saved must load as the same text, holding
// the values written.

#include "FuzzSupport.h"
#include "app/IniFile.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

using quillora::fuzz::Require;

struct Key {
  const char16_t* section;
  const char16_t* key;
};

constexpr std::array<Key, 6> kKeys{{{u"CONFIG", u"TRACKSPATH"},
                                    {u"CONFIG", u"GENRETYPES"},
                                    {u"DEFAULTS", u"EXCEPTIONS"},
                                    {u"CHECKED", u"0"},
                                    {u"WIDTHS", u"FILENAME"},
                                    {u"NEW SECTION", u"NEW KEY"}}};

QString Section(const Key& k) { return QString::fromUtf16(k.section); }
QString Name(const Key& k) { return QString::fromUtf16(k.key); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = quillora::fuzz::ScratchPath("input.ini");
  const QString saved = QString::fromStdString(quillora::fuzz::ScratchPath("saved.ini"));
  quillora::fuzz::WriteBytes(input, data, size);

  quillora::IniDocument ini;
  Require(ini.load(QString::fromStdString(input)), "a readable file does not load");
  for (const Key& k : kKeys) (void)ini.readString(Section(k), Name(k), QStringLiteral("default"));

  const QString written = QStringLiteral("Caf\u00e9 \u263A\r\nline two");
  const QString expected = QStringLiteral("Caf\u00e9 \u263A  line two");
  for (const Key& k : kKeys) ini.writeString(Section(k), Name(k), written);
  for (const Key& k : kKeys) Require(ini.value(Section(k), Name(k)) == expected, "a written key reads different");

  ini.save(saved);
  quillora::IniDocument again;
  Require(again.load(saved), "a saved file does not load");
  Require(again.text() == ini.text(), "a saved file loads as another text");
  for (const Key& k : kKeys) Require(again.value(Section(k), Name(k)) == expected, "a saved key reads different");
  return 0;
}
