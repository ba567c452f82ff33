#include "tags/TAudioGenie3.h"

#include "fields/Error.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <dlfcn.h>

namespace quillora {

namespace {

const char16_t* wide(const QString& text) { return reinterpret_cast<const char16_t*>(text.utf16()); }

QString systemMessage() {
  const char* text = dlerror();
  return text ? QString::fromLocal8Bit(text) : QString();
}

// The loader leaves errno unspecified: where it sets none, the code is
// ENOENT, the library or export that could not be found.
int errorCode() { return errno ? errno : ENOENT; }

// Opens the library and returns its handle, or throws the load error with the
// system's code and text of the last attempt.
void* openLibrary(const QString& library) {
  QStringList attempts{library};
  if (!library.contains(QLatin1Char('/')) && QCoreApplication::instance())
    attempts << QCoreApplication::applicationDirPath() + QLatin1Char('/') + library;
  int code = 0;
  QString message;
  for (const QString& path : attempts) {
    const QByteArray encoded = QFile::encodeName(path);
    errno = 0;
    void* handle = dlopen(encoded.constData(), RTLD_NOW | RTLD_LOCAL);
    code = errorCode();
    if (handle) return handle;
    message = systemMessage();
  }
  throw Error(QStringLiteral("%1 could not be loaded. Error-Code: %2. Error-Message: %3")
                  .arg(library, QString::number(code), message));
}

// Resolves one export, or throws the lookup error.
template <typename Fn>
void resolve(void* handle, Fn*& target, const char* name) {
  dlerror();
  errno = 0;
  target = reinterpret_cast<Fn*>(dlsym(handle, name));
  if (target) return;
  const int code = errorCode();
  throw Error(QStringLiteral("GetProcAddress for %1 failed. Error-Code: %2. Error-Message: %3")
                  .arg(QString::fromLatin1(name), QString::number(code), systemMessage()));
}

}  // namespace

TAudioGenie3::TAudioGenie3(const QString& library) {
  FAudioGenie3DLLHandle = openLibrary(library);
  try {
#define QUILLORA_RESOLVE_EXPORT(kind, name) resolve(FAudioGenie3DLLHandle, exports_.name, #name);
    QUILLORA_ENGINE_EXPORTS(QUILLORA_RESOLVE_EXPORT)
#undef QUILLORA_RESOLVE_EXPORT
  } catch (...) {
    dlclose(FAudioGenie3DLLHandle);
    throw;
  }
}

TAudioGenie3::~TAudioGenie3() {
  if (FAudioGenie3DLLHandle) dlclose(FAudioGenie3DLLHandle);
}

QString TAudioGenie3::take(char16_t* text) const {
  if (!text) return QString();
  QString copy = QString::fromUtf16(text);
  exports_.AUDIOFreeStringW(text);
  return copy;
}

int32_t TAudioGenie3::analyzeFile(const QString& fileName) const {
  return exports_.AUDIOAnalyzeFileW(wide(fileName));
}

QString TAudioGenie3::lastError() const { return take(exports_.AUDIOGetLastErrorW()); }

QString TAudioGenie3::get(TextGetter getter) const { return take((exports_.*getter)()); }

QString TAudioGenie3::get(FrameGetter getter, int32_t frameId) const {
  return take((exports_.*getter)(frameId));
}

QString TAudioGenie3::get(KeyGetter getter, const QString& key) const {
  return take((exports_.*getter)(wide(key)));
}

int32_t TAudioGenie3::get(IntGetter getter) const { return (exports_.*getter)(); }

float TAudioGenie3::get(RatioGetter getter) const { return (exports_.*getter)(); }

void TAudioGenie3::set(TextSetter setter, const QString& text) const { (exports_.*setter)(wide(text)); }

void TAudioGenie3::set(FrameSetter setter, int32_t frameId, const QString& text) const {
  (exports_.*setter)(frameId, wide(text));
}

void TAudioGenie3::set(KeySetter setter, const QString& key, const QString& text) const {
  (exports_.*setter)(wide(key), wide(text));
}

bool TAudioGenie3::save(SaveExport saver) const { return (exports_.*saver)() == -1; }

void TAudioGenie3::beginBatch() const { exports_.AUDIOBatchBeginW(); }

QHash<QString, QString> TAudioGenie3::endBatch() const {
  const int32_t failed = exports_.AUDIOBatchEndW();
  QHash<QString, QString> reasons;
  for (int32_t index = 0; index < failed; ++index)
    reasons.insert(take(exports_.AUDIOBatchFailedFileW(index)), take(exports_.AUDIOBatchFailedReasonW(index)));
  return reasons;
}

}  // namespace quillora
