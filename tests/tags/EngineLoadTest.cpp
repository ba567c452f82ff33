// Loading the engine library: the two load errors, release after a failed
// lookup, and texts crossing the interface.
#include "fields/Error.h"
#include "tags/TAudioGenie3.h"
#include "tests/tags/TagsFixture.h"

#include <gmock/gmock.h>

#include <dlfcn.h>

namespace quillora {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

QString loadError(const QString& library) {
  try {
    TAudioGenie3 engine(library);
  } catch (const Error& e) {
    return e.message();
  }
  return QString();
}

TEST(EngineLoad, MissingLibraryNamesItWithTheSystemsCodeAndText) {
  const QString message = loadError(QStringLiteral("libquillora_no_such_engine.so"));
  EXPECT_THAT(message.toStdString(),
              StartsWith("libquillora_no_such_engine.so could not be loaded. Error-Code: 2. "
                         "Error-Message: libquillora_no_such_engine.so: cannot open shared object file"));
}

TEST(EngineLoad, MissingLibraryFailsTheTagObjectToo) {
  FieldModel model;
  EXPECT_THROW(TMetaTag(model, QStringLiteral("/nonexistent/libAudioGenie3.so")), Error);
}

TEST(EngineLoad, MissingExportNamesTheFirstOneMissingAndReleasesTheLibrary) {
  const QString message = loadError(QStringLiteral(QUILLORA_PARTIAL_ENGINE));
  EXPECT_THAT(message.toStdString(),
              StartsWith("GetProcAddress for AUDIOClearTagsW failed. Error-Code: 2. Error-Message: "));
  EXPECT_THAT(message.toStdString(), HasSubstr("undefined symbol: AUDIOClearTagsW"));
  EXPECT_EQ(dlopen(QUILLORA_PARTIAL_ENGINE, RTLD_NOW | RTLD_NOLOAD), nullptr);
}

TEST(EngineLoad, TextsCrossTheInterfaceWholeAndAreReleased) {
  fake_engine::Reset();
  const TAudioGenie3 engine(QStringLiteral(QUILLORA_FAKE_ENGINE));
  const QString text = QStringLiteral("שלום мир 日本 🎵 a=b ");
  fake_engine::SetResult(QStringLiteral("WMAGetUserItemW(%1)").arg(text), text);
  EXPECT_EQ(engine.get(&EngineExports::WMAGetUserItemW, text), text);
  engine.set(&EngineExports::ID3V2SetTextFrameW, -1453233054, text);
  EXPECT_EQ(fake_engine::Calls().last(), QStringLiteral("ID3V2SetTextFrameW(-1453233054,%1)").arg(text));
  EXPECT_EQ(fake_engine::LiveTexts(), 0);
}

}  // namespace
}  // namespace quillora
