// Limits of the editor's lists: hits of a find-all and functions of a text.
#pragma once

enum { kMaxListedHits = 998, kMaxListedFunctions = 384 };
