#include "platform/marked_line_search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VERNIK_HAS_AVX2_PATH 1
#endif

namespace vernik::marked_lines {
namespace {

// Whether the chunk at `offset` and the two bytes after it lie before `end`.
bool fits(std::size_t offset, std::size_t end) {
    return offset + kChunk + 2 <= end;
}

#if defined(__SSE2__)
struct Sse2Constants {
    explicit Sse2Constants(const CandidateRule& rule)
        : lf(_mm_set1_epi8('\n')),
          cr(_mm_set1_epi8('\r')),
          mark(_mm_set1_epi8(rule.mark)),
          highest(_mm_set1_epi8(static_cast<char>(rule.below - 1))),
          belowOn(_mm_set1_epi8(static_cast<char>(rule.below > 0 ? -1 : 0))) {}
    __m128i lf, cr, mark, highest, belowOn;
};

// The candidates among the 16 bytes at `at`, as 0xFF bytes.
inline __m128i laneCandidates(const char* at, const Sse2Constants& k) {
    const auto load = [at](int offset) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset));
    };
    const auto lineEnd = [&k](__m128i bytes) {
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, k.lf), _mm_cmpeq_epi8(bytes, k.cr));
    };
    const __m128i before = load(-1), here = load(0), after1 = load(1), after2 = load(2);
    const __m128i starts = _mm_and_si128(lineEnd(before), _mm_cmpeq_epi8(here, k.mark));
    const __m128i shortLine = _mm_or_si128(lineEnd(after1), lineEnd(after2));
    // Unsigned after2 <= highest, as max(after2, highest) == highest.
    const __m128i below =
        _mm_and_si128(_mm_cmpeq_epi8(_mm_max_epu8(after2, k.highest), k.highest), k.belowOn);
    const __m128i passed = _mm_andnot_si128(shortLine, below);
    return _mm_andnot_si128(passed, starts);
}

std::uint64_t candidateBitsSse2(const char* chunk, const CandidateRule& rule) {
    const Sse2Constants k(rule);
    std::uint64_t bits = 0;
    for (int lane = 0; lane < 4; ++lane) {
        const auto laneBits =
            static_cast<std::uint16_t>(_mm_movemask_epi8(laneCandidates(chunk + 16 * lane, k)));
        bits |= std::uint64_t{laneBits} << (16 * lane);
    }
    return bits;
}

std::size_t firstCandidateChunkSse2(const char* bytes, std::size_t from, std::size_t end,
                                    const CandidateRule& rule) {
    const Sse2Constants k(rule);
    for (; fits(from, end); from += kChunk) {
        const char* chunk = bytes + from;
        const __m128i any = _mm_or_si128(
            _mm_or_si128(laneCandidates(chunk, k), laneCandidates(chunk + 16, k)),
            _mm_or_si128(laneCandidates(chunk + 32, k), laneCandidates(chunk + 48, k)));
        if (_mm_movemask_epi8(any) != 0) break;
    }
    return from;
}
#else
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

std::uint64_t candidateBitsPlain(const char* chunk, const CandidateRule& rule) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < kChunk; ++i) {
        const char* at = chunk + i;
        if (!isLineEnd(at[-1]) || at[0] != rule.mark) continue;
        const bool passed = !isLineEnd(at[1]) && !isLineEnd(at[2]) &&
                            static_cast<unsigned char>(at[2]) < rule.below;
        if (!passed) bits |= std::uint64_t{1} << i;
    }
    return bits;
}
#endif

#ifdef VERNIK_HAS_AVX2_PATH
// The same as the SSE2 path, 32 bytes at a time, for processors that have AVX2.
#define VERNIK_AVX2 __attribute__((target("avx2")))

struct Avx2Constants {
    __m256i lf, cr, mark, highest, belowOn;
};

VERNIK_AVX2 inline __m256i loadAvx2(const char* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

VERNIK_AVX2 inline __m256i lineEndAvx2(__m256i bytes, const Avx2Constants& k) {
    return _mm256_or_si256(_mm256_cmpeq_epi8(bytes, k.lf), _mm256_cmpeq_epi8(bytes, k.cr));
}

VERNIK_AVX2 inline __m256i laneCandidatesAvx2(const char* at, const Avx2Constants& k) {
    const __m256i before = loadAvx2(at - 1), here = loadAvx2(at);
    const __m256i after1 = loadAvx2(at + 1), after2 = loadAvx2(at + 2);
    const __m256i starts =
        _mm256_and_si256(lineEndAvx2(before, k), _mm256_cmpeq_epi8(here, k.mark));
    const __m256i shortLine = _mm256_or_si256(lineEndAvx2(after1, k), lineEndAvx2(after2, k));
    const __m256i below = _mm256_and_si256(
        _mm256_cmpeq_epi8(_mm256_max_epu8(after2, k.highest), k.highest), k.belowOn);
    const __m256i passed = _mm256_andnot_si256(shortLine, below);
    return _mm256_andnot_si256(passed, starts);
}

VERNIK_AVX2 std::size_t firstCandidateChunkAvx2(const char* bytes, std::size_t from,
                                                std::size_t end, const CandidateRule& rule) {
    const Avx2Constants k{_mm256_set1_epi8('\n'), _mm256_set1_epi8('\r'),
                          _mm256_set1_epi8(rule.mark),
                          _mm256_set1_epi8(static_cast<char>(rule.below - 1)),
                          _mm256_set1_epi8(static_cast<char>(rule.below > 0 ? -1 : 0))};
    for (; fits(from, end); from += kChunk) {
        const char* chunk = bytes + from;
        const __m256i any =
            _mm256_or_si256(laneCandidatesAvx2(chunk, k), laneCandidatesAvx2(chunk + 32, k));
        if (!_mm256_testz_si256(any, any)) break;
    }
    return from;
}
#endif

}  // namespace

std::uint64_t candidateBits(const char* chunk, const CandidateRule& rule) {
#if defined(__SSE2__)
    return candidateBitsSse2(chunk, rule);
#else
    return candidateBitsPlain(chunk, rule);
#endif
}

std::size_t firstCandidateChunk(const char* bytes, std::size_t from, std::size_t end,
                                const CandidateRule& rule) {
#ifdef VERNIK_HAS_AVX2_PATH
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return firstCandidateChunkAvx2(bytes, from, end, rule);
#endif
#if defined(__SSE2__)
    return firstCandidateChunkSse2(bytes, from, end, rule);
#else
    for (; fits(from, end) && candidateBitsPlain(bytes + from, rule) == 0; from += kChunk) {
    }
    return from;
#endif
}

}  // namespace vernik::marked_lines
