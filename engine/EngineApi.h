// The C interface of the tag engine library (libAudioGenie3.so).
//
// The engine has one current file, set by AUDIOAnalyzeFileW; every getter,
// setter and save works on it. Texts go in as zero-terminated UTF-16 and come
// back as engine-allocated zero-terminated UTF-16, which the caller copies and
// releases with AUDIOFreeStringW. Save exports return -1 on success, 0 on
// failure; AUDIOGetLastErrorW then tells why.
//
// Between AUDIOBatchBeginW and AUDIOBatchEndW a successful save means the
// changes are written and checked beside the file; the file itself is
// replaced at the latest by AUDIOBatchEndW, which returns how many files
// could not be; AUDIOBatchFailedFileW and AUDIOBatchFailedReasonW name them
// (index 0 to that count - 1) until the next batch begins.
#pragma once

#include <cstdint>

namespace qe {
using Analyze = int32_t(const char16_t* fileName);
using FreeText = void(char16_t* text);
using FrameGet = char16_t*(int32_t frameId);
using FrameSet = void(int32_t frameId, const char16_t* text);
using KeyGet = char16_t*(const char16_t* key);
using KeySet = void(const char16_t* key, const char16_t* text);
using TextGet = char16_t*();
using TextSet = void(const char16_t* text);
using IntGet = int32_t();
using FloatGet = float();
using Save = int16_t();
using Begin = void();
using IndexGet = char16_t*(int32_t index);
}  // namespace qe

// Every export of the engine, as X(kind, name). The loader resolves exactly
// this list, so a name added here is both declared and looked up.
#define QUILLORA_ENGINE_EXPORTS(X)                                            \
  X(Analyze, AUDIOAnalyzeFileW)                                               \
  X(FreeText, AUDIOFreeStringW)                                               \
  X(Save, AUDIOClearTagsW)                                                    \
  X(TextGet, AUDIOGetLastErrorW)                                              \
  X(Begin, AUDIOBatchBeginW)                                                  \
  X(IntGet, AUDIOBatchEndW)                                                   \
  X(IndexGet, AUDIOBatchFailedFileW)                                          \
  X(IndexGet, AUDIOBatchFailedReasonW)                                        \
  X(FrameGet, ID3V2GetTextFrameW)                                             \
  X(FrameSet, ID3V2SetTextFrameW)                                             \
  X(Save, ID3V2SaveChangesW)                                                  \
  X(FrameGet, MP4GetTextFrameW)                                               \
  X(FrameSet, MP4SetTextFrameW)                                               \
  X(Save, MP4SaveChangesW)                                                    \
  X(FrameGet, WAVGetTextFrameW)                                               \
  X(FrameSet, WAVSetTextFrameW)                                               \
  X(Save, WAVSaveChangesW)                                                    \
  X(KeyGet, WMAGetUserItemW)                                                  \
  X(KeySet, WMASetUserItemW)                                                  \
  X(Save, WMASaveChangesW)                                                    \
  X(KeyGet, FLACGetUserItemW)                                                 \
  X(KeySet, FLACSetUserItemW)                                                 \
  X(IntGet, FLACGetBitsPerSampleW)                                            \
  X(IntGet, FLACGetMaxBlockSizeW)                                             \
  X(IntGet, FLACGetMaxFrameSizeW)                                             \
  X(IntGet, FLACGetMinBlockSizeW)                                             \
  X(IntGet, FLACGetMinFrameSizeW)                                             \
  X(IntGet, FLACGetSamplesW)                                                  \
  X(FloatGet, FLACGetCompressionRatioW)                                       \
  X(TextGet, FLACGetItemKeysW)                                                \
  X(TextGet, FLACGetVendorW)                                                  \
  X(TextSet, FLACSetVendorW)                                                  \
  X(Save, FLACSaveChangesW)                                                   \
  X(TextGet, OGGGetAlbumW)                                                    \
  X(TextGet, OGGGetArtistW)                                                   \
  X(TextGet, OGGGetCommentW)                                                  \
  X(TextGet, OGGGetContactW)                                                  \
  X(TextGet, OGGGetCopyrightW)                                                \
  X(TextGet, OGGGetDateW)                                                     \
  X(TextGet, OGGGetDescriptionW)                                              \
  X(TextGet, OGGGetGenreW)                                                    \
  X(TextGet, OGGGetISRCW)                                                     \
  X(TextGet, OGGGetLicenseW)                                                  \
  X(TextGet, OGGGetLocationW)                                                 \
  X(TextGet, OGGGetOrganizationW)                                             \
  X(TextGet, OGGGetPerformerW)                                                \
  X(TextGet, OGGGetTitleW)                                                    \
  X(TextGet, OGGGetTrackW)                                                    \
  X(TextGet, OGGGetVendorW)                                                   \
  X(TextGet, OGGGetVersionW)                                                  \
  X(TextSet, OGGSetAlbumW)                                                    \
  X(TextSet, OGGSetArtistW)                                                   \
  X(TextSet, OGGSetCommentW)                                                  \
  X(TextSet, OGGSetContactW)                                                  \
  X(TextSet, OGGSetCopyrightW)                                                \
  X(TextSet, OGGSetDateW)                                                     \
  X(TextSet, OGGSetDescriptionW)                                              \
  X(TextSet, OGGSetGenreW)                                                    \
  X(TextSet, OGGSetISRCW)                                                     \
  X(TextSet, OGGSetLicenseW)                                                  \
  X(TextSet, OGGSetLocationW)                                                 \
  X(TextSet, OGGSetOrganizationW)                                             \
  X(TextSet, OGGSetPerformerW)                                                \
  X(TextSet, OGGSetTitleW)                                                    \
  X(TextSet, OGGSetTrackW)                                                    \
  X(TextSet, OGGSetVendorW)                                                   \
  X(TextSet, OGGSetVersionW)                                                  \
  X(Save, OGGSaveChangesW)                                                    \
  X(TextGet, APEGetAlbumW)                                                    \
  X(TextGet, APEGetArtistW)                                                   \
  X(TextGet, APEGetCommentW)                                                  \
  X(TextGet, APEGetCopyrightW)                                                \
  X(TextGet, APEGetGenreW)                                                    \
  X(TextGet, APEGetItemKeysW)                                                 \
  X(IntGet, APEGetSizeW)                                                      \
  X(TextGet, APEGetTitleW)                                                    \
  X(TextGet, APEGetTrackW)                                                    \
  X(TextGet, APEGetVersionW)                                                  \
  X(TextGet, APEGetYearW)                                                     \
  X(TextSet, APESetAlbumW)                                                    \
  X(TextSet, APESetArtistW)                                                   \
  X(TextSet, APESetCommentW)                                                  \
  X(TextSet, APESetCopyrightW)                                                \
  X(TextSet, APESetGenreW)                                                    \
  X(TextSet, APESetTitleW)                                                    \
  X(TextSet, APESetTrackW)                                                    \
  X(TextSet, APESetYearW)                                                     \
  X(Save, APESaveChangesW)

#define QUILLORA_ENGINE_LIBRARY "libAudioGenie3.so"

extern "C" {
#define QUILLORA_DECLARE_EXPORT(kind, name) __attribute__((visibility("default"))) qe::kind name;
QUILLORA_ENGINE_EXPORTS(QUILLORA_DECLARE_EXPORT)
#undef QUILLORA_DECLARE_EXPORT
}
