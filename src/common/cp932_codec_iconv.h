// The CP932 code-unit mapping on the C library's iconv, for sora-tool and
// the native tests (the program uses kernel32's, app/frame/cp932_codec_win.h).
#pragma once
#include "common/cp932_codec.h"

// iconv "CP932" <-> "UTF-16LE"; a unit without a CP932 form fails.
const Cp932Codec &IconvCp932Codec();
