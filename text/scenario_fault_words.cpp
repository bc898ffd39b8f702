#include "text/scenario_fault_words.h"

#include "text/text_encoding.h"

namespace {

// The file's UTF-8 (a member's name, a value) as the message's Shift-JIS.
std::string shown(const std::string& utf8) {
    std::string shiftJis;
    if (utf8_to_shift_jis(utf8, shiftJis)) {
        return shiftJis;
    }
    // Character by character, so that one without a Shift-JIS form costs only itself.
    shiftJis.clear();
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t end = at + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        std::string character;
        shiftJis += utf8_to_shift_jis(utf8.substr(at, end - at), character) ? character : "?";
        at = end;
    }
    return shiftJis;
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

// "（0 が書かれています）", or for an array "（3 個あります）".
std::string what_is_written(const ScenarioFault& fault) {
    if (fault.size >= 0) {
        return "（" + number(fault.size) + " 個あります）";
    }
    return "（" + shown(fault.written) + " が書かれています）";
}

std::string array_length(const ScenarioFault& fault) {
    if (fault.low == fault.high) {
        return number(fault.high) + " 個";
    }
    if (fault.low == 0) {
        return number(fault.high) + " 個まで";
    }
    return number(fault.low) + " から " + number(fault.high) + " 個まで";
}

}  // namespace

std::string scenario_fault_words(const ScenarioFault& fault) {
    const std::string member = shown(fault.member);
    const std::string integers = member + " は " + number(fault.low) + " から " +
                                 number(fault.high) + " までの整数にしてください";
    switch (fault.kind) {
        case ScenarioFaultKind::kBadJson:
            if (fault.line <= 0) {
                return "JSON として読めません（扱えないほど大きな数があります）";
            }
            return "JSON として読めません（" + number(fault.line) + " 行目の " +
                   number(fault.column) + " 文字目で、書き方が正しくありません）";
        case ScenarioFaultKind::kNotAnObject:
            return (fault.member.empty() ? std::string("ファイル全体") : member + " ") +
                   "は { } で囲んだ JSON のオブジェクトにしてください" + what_is_written(fault);
        case ScenarioFaultKind::kUnknownMember:
            return member + " という項目はありません。項目の名前を確かめてください";
        case ScenarioFaultKind::kNotAnInteger:
        case ScenarioFaultKind::kOutOfRange:
            return integers + what_is_written(fault);
        case ScenarioFaultKind::kWrongArrayLength:
            return member + " は値を " + array_length(fault) + "並べた [ ] の配列にしてください" +
                   what_is_written(fault);
        case ScenarioFaultKind::kNotAString:
            return member + " は \" \" で囲んだ文字列にしてください" + what_is_written(fault);
        case ScenarioFaultKind::kNoShiftJisForm:
            return member + " に Shift-JIS で書けない文字があります（絵文字などは使えません）";
        case ScenarioFaultKind::kTooLong:
            return member + " は Shift-JIS で " + number(fault.high) +
                   " バイトまでにしてください（" + number(fault.size) +
                   " バイトあります。全角の文字は 2 バイトです）";
        case ScenarioFaultKind::kNulInName:
            return member + " に NUL 文字（\\u0000）は使えません";
        case ScenarioFaultKind::kNoEvent:
            return member + " では、戦闘・レベルアップ・再行動のどれかを 1 にしてください";
        case ScenarioFaultKind::kMissingMember:
            return member + " がありません。この項目は省けません";
        case ScenarioFaultKind::kNotUtf:
            return "文字コードが読めません。UTF-8（BOM はあってもなくても）か、BOM 付きの UTF-16 で"
                   "保存してください";
    }
    return member;
}
