// Decoder of an HTTP body sent with "Transfer-Encoding: chunked". It is fed
// the body in pieces of any size (a piece may end anywhere, even inside the
// line giving a chunk's size) and keeps its place between pieces.
#pragma once
#include <cstddef>
#include <string>

enum ChunkState {
    CHUNK_SIZE, CHUNK_EXTENSION, CHUNK_SIZE_LF, CHUNK_DATA, CHUNK_DATA_CR, CHUNK_DATA_LF,
    CHUNK_TRAILER_START, CHUNK_TRAILER_LINE, CHUNK_TRAILER_LF, CHUNK_END_LF, CHUNK_DONE, CHUNK_BAD
};

struct ChunkDecoder {
    ChunkState state;
    unsigned long long nLeft;  // bytes left in the current chunk
    int nDigits;               // hex digits read of the current size
};

// Starts a new body.
void ChunkDecoderReset(ChunkDecoder *pDec);

// Decodes nLen bytes, appending the chunk data to *pOut (nothing when pOut
// is null: the caller only wants to know where the body ends). Returns the
// bytes used: fewer than nLen only when the body ended (CHUNK_DONE) or the
// framing is broken (CHUNK_BAD); the rest is not part of the body.
size_t ChunkDecoderFeed(ChunkDecoder *pDec, const char *pIn, size_t nLen, std::string *pOut);
