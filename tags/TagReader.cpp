#include "tags/TagReader.h"

#include "tags/FieldMapWalk.h"
#include "tags/IntegerText.h"
#include "tags/TagItems.h"
#include "tags/ValueList.h"

#include <QLocale>

#include <optional>
#include <variant>

namespace quillora {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};

QString readNumbered(const TAudioGenie3& engine, const MediaTagIo& io, int number) {
  const NumberedItem* item = FindItem(io, number);
  if (!item) return QString();
  return std::visit(
      Overloaded{
          [&](UserKey key) { return engine.get(io.keyGet, QString::fromUtf16(key.name)); },
          [&](TextGetter getter) { return engine.get(getter); },
          [&](IntGetter getter) { return QString::number(engine.get(getter)); },
          [&](RatioGetter getter) {
            return RatioText(engine.get(getter), QLocale::system().decimalPoint());
          },
      },
      item->get);
}

// The row's value, or nothing when its media type skips it.
std::optional<QString> readRow(const TAudioGenie3& engine, const MappedRow& row) {
  const MediaTagIo* io = MediaTagIoFor(row.mediaType);
  if (!io || SkipsRow(*io, row.keyText, row.itemNumber)) return std::nullopt;
  switch (io->address) {
    case ItemAddress::FrameId:
      return engine.get(io->frameGet, FrameIdentifier(row.keyText));
    case ItemAddress::ItemName:
      return engine.get(io->keyGet, row.keyText);
    case ItemAddress::ItemNumber:
      return readNumbered(engine, *io, row.itemNumber);
  }
  return std::nullopt;
}

}  // namespace

QString RatioText(float ratio, const QString& decimalPoint) {
  QString text = QString::number(double(ratio), 'g', 15);
  text.replace(QLatin1Char('.'), decimalPoint);
  return text;
}

void ReadTags(const TAudioGenie3& engine, FieldModel& model, ValueList& values,
              const QString& fileName) {
  values.Clear();
  WalkFieldMap(engine, model, fileName, [&](const MappedRow& row) {
    if (const auto value = readRow(engine, row)) values.SetFieldValue(row.fieldId, *value);
  });
}

}  // namespace quillora
