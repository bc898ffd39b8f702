#include "text/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr const char* kCodePage932 = "CP932";

struct Converter {
    iconv_t handle;
    explicit Converter(const char* to, const char* from) : handle(iconv_open(to, from)) {}
    ~Converter() {
        if (handle != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
};

enum class Stop { kDone, kInvalid, kUnavailable };

// Converts as much of input as it can, appending to output; input is advanced past what was
// converted.
Stop convert(Converter& converter, std::string_view& input, std::string& output) {
    if (input.empty()) {
        return Stop::kDone;
    }
    if (converter.handle == reinterpret_cast<iconv_t>(-1)) {
        return Stop::kUnavailable;
    }
    char buffer[256];
    while (!input.empty()) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter.handle, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        input.remove_prefix(input.size() - inLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            return Stop::kInvalid;
        }
    }
    return Stop::kDone;
}

}  // namespace

bool utf8_to_shift_jis(std::string_view utf8, std::string& shiftJis) {
    Converter converter(kCodePage932, "UTF-8");
    shiftJis.clear();
    return convert(converter, utf8, shiftJis) == Stop::kDone;
}

std::string shift_jis_to_utf8(std::string_view shiftJis) {
    Converter converter("UTF-8", kCodePage932);
    std::string utf8;
    while (true) {
        const Stop stop = convert(converter, shiftJis, utf8);
        if (stop == Stop::kDone) {
            return utf8;
        }
        utf8 += "\xEF\xBF\xBD";
        if (stop == Stop::kUnavailable || shiftJis.empty()) {
            return utf8;
        }
        shiftJis.remove_prefix(1);
        iconv(converter.handle, nullptr, nullptr, nullptr, nullptr);
    }
}
