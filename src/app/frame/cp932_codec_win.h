// The CP932 code-unit mapping on kernel32 (MultiByteToWideChar with
// MB_ERR_INVALID_CHARS, WideCharToMultiByte with WC_NO_BEST_FIT_CHARS), for
// the document and page converters of common/.
#pragma once
#include "common/cp932_codec.h"

const Cp932Codec &Kernel32Cp932Codec();
