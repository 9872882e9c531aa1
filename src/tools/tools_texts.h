// CP932 texts used by the external-tools cores. Placeholders are the word
// "INSERTION", filled in text order; a few texts are printf formats (%s).
#pragma once

// Makefile template; its four placeholders are the source, the resource
// script, the target and the compiler options.
extern const char kMakefileTemplate[];

// Questions of the option check before a quick compile.
extern const char kAskAddTW[];
extern const char kAskRemoveTW[];
extern const char kAskAddTWD[];
extern const char kAskRemoveTWForDll[];

// Compile confirmation: head, then the compiler line, then the tail format
// with the output folder and the output file name.
extern const char kConfirmCompile[];
extern const char kConfirmCompileTail[];

// Findings of the compiler setup check, by item and state.
extern const char kAutoexecMissing[];
extern const char kAutoexecNotSet[];
extern const char kAutoexecSet[];
extern const char kAutoexecWrong[];
extern const char kInstallMissing[];
extern const char kInstallPartial[];
extern const char kInstallDone[];
extern const char kBccMissing[];
extern const char kCfgNotSet[];
extern const char kBccPartial[];
extern const char kBccDone[];
extern const char kIlinkMissing[];
extern const char kIlinkPartial[];
extern const char kIlinkDone[];

// Button captions and the preview captions (placeholder: the short name).
extern const char kCaptionConfirm[];
extern const char kCaptionRefer[];
extern const char kPreviewCurrent[];
extern const char kPreviewChanged[];
