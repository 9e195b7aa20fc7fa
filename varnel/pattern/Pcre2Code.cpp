#include "varnel/pattern/Pcre2Code.h"

#include "varnel/common/DBC.h"

#include <new>

namespace varnel {

namespace {

// Enough for any search a user waits for (tens of milliseconds with the JIT), and the end of one
// that would not end.
const std::uint32_t match_limit = 10'000'000;
const std::uint32_t depth_limit = 10'000'000;
const std::uint32_t heap_limit_kib = 256 * 1024;
const std::size_t jit_stack_start = 32 * 1024;
const std::size_t jit_stack_max = 16 * 1024 * 1024;

template <class T>
T* created(T* object) {
    if (object == nullptr) {
        throw std::bad_alloc();
    }
    return object;
}

pcre2_compile_context* compile_context() {
    // PCRE2 only reads the context.
    static pcre2_compile_context* const context = [] {
        pcre2_compile_context* created_context = created(pcre2_compile_context_create(nullptr));
        pcre2_set_newline(created_context, PCRE2_NEWLINE_ANYCRLF);
        return created_context;
    }();
    return context;
}

// Per thread: the match context with the limits and a JIT stack, and match data that grows to
// the most groups seen, so that a search allocates nothing once a thread has run one.
class MatchScratch {
public:
    static MatchScratch& for_this_thread(std::uint32_t pairs) {
        thread_local MatchScratch scratch;
        if (scratch.pairs < pairs) {
            scratch.data.reset(created(pcre2_match_data_create(pairs, nullptr)));
            scratch.pairs = pairs;
        }
        return scratch;
    }

    pcre2_match_context* context() const { return match_context.get(); }
    pcre2_match_data* match_data() const { return data.get(); }

private:
    MatchScratch()
        : match_context(created(pcre2_match_context_create(nullptr)), pcre2_match_context_free),
          jit_stack(created(pcre2_jit_stack_create(jit_stack_start, jit_stack_max, nullptr)),
                    pcre2_jit_stack_free),
          data(nullptr, pcre2_match_data_free) {
        pcre2_set_match_limit(match_context.get(), match_limit);
        pcre2_set_depth_limit(match_context.get(), depth_limit);
        pcre2_set_heap_limit(match_context.get(), heap_limit_kib);
        pcre2_jit_stack_assign(match_context.get(), nullptr, jit_stack.get());
    }

    std::unique_ptr<pcre2_match_context, void (*)(pcre2_match_context*)> match_context;
    std::unique_ptr<pcre2_jit_stack, void (*)(pcre2_jit_stack*)> jit_stack;
    std::unique_ptr<pcre2_match_data, void (*)(pcre2_match_data*)> data;
    std::uint32_t pairs = 0;
};

// PCRE2's 16-bit code unit is uint16_t, Varnel's char16_t: same size and representation.
PCRE2_SPTR units(const char16_t* text) {
    static_assert(sizeof(PCRE2_UCHAR) == sizeof(char16_t));
    return reinterpret_cast<PCRE2_SPTR>(text);
}

} // namespace

std::variant<std::shared_ptr<const Pcre2Code>, Pcre2Code::Failure>
Pcre2Code::compile(std::u16string_view pattern, std::uint32_t options, bool jit) {
    int error = 0;
    PCRE2_SIZE error_offset = 0;
    pcre2_code* code = pcre2_compile(units(pattern.data()), pattern.size(), options, &error,
                                     &error_offset, compile_context());
    if (code == nullptr) {
        return Failure{error, error_offset};
    }
    if (jit) {
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    }
    return std::shared_ptr<const Pcre2Code>(new Pcre2Code(code));
}

Pcre2Code::~Pcre2Code() {
    pcre2_code_free(code);
}

int Pcre2Code::match(std::u16string_view subject, std::size_t start, std::uint32_t options,
                     bool longest, unsigned groups, std::vector<std::size_t>& spans) const {
    const std::uint32_t pairs = groups + 1;
    MatchScratch& scratch = MatchScratch::for_this_thread(pairs);
    int result = 0;
    if (longest) {
        int workspace[1000];
        result = pcre2_dfa_match(code, units(subject.data()), subject.size(), start, options,
                                 scratch.match_data(), scratch.context(), workspace,
                                 std::size(workspace));
    } else {
        result = pcre2_match(code, units(subject.data()), subject.size(), start, options,
                             scratch.match_data(), scratch.context());
    }
    if (result >= 0) {
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(scratch.match_data());
        // PCRE2_UNSET, for a group that took no part, is the largest size: npos.
        static_assert(PCRE2_UNSET == std::wstring::npos);
        spans.assign(ovector, ovector + 2 * pairs);
    }
    return result;
}

std::wstring Pcre2Code::message(int error) {
    PCRE2_UCHAR buffer[256];
    const int length = pcre2_get_error_message(error, buffer, std::size(buffer));
    DBC_CHECK(length >= 0);
    return std::wstring(buffer, buffer + length);
}

std::size_t Pcre2Code::min_length() const {
    std::uint32_t length = 0;
    const int found = pcre2_pattern_info(code, PCRE2_INFO_MINLENGTH, &length);
    DBC_CHECK(found == 0);
    return length;
}

} // namespace varnel
