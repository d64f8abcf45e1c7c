#include "DecodedSgf.h"

#include "GbkText.h"
#include "StandardSgfParser.h"

#include <uchardet.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <vector>

namespace joseki::pack {

namespace {

// A legacy character set the detector may choose. The decoders are Windows'
// code pages: they are what programs on those systems write, they hold the
// standard sets, and they read 0x5C and 0x7E as backslash and tilde, where
// glibc's strict Shift_JIS reads yen sign and overline and so would break
// every escape of the file.
struct LegacySet {
    std::string shown;
    std::string decoder;
    std::vector<std::string> labels; // names a CA or the detector gives it, upper case
};

// The first is the one taken when the detector cannot tell.
const std::vector<LegacySet> kLegacySets = {
    {"GB18030", "GB18030", {"GB18030", "GBK", "GB2312", "EUC-CN", "CP936", "WINDOWS-936"}},
    {"Big5", "CP950", {"BIG5", "BIG-5", "CN-BIG5", "CP950"}},
    {"Shift_JIS", "CP932", {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "MS_KANJI", "CP932", "WINDOWS-31J"}},
    {"EUC-KR", "CP949", {"EUC-KR", "UHC", "CP949", "KS_C_5601-1987"}},
    {"windows-1251", "CP1251", {"WINDOWS-1251", "CP1251"}},
};

const LegacySet& preferredSet() { return kLegacySets.front(); }

struct ByteOrderMark {
    std::string_view bytes;
    const char* charset;
    bool noted; // a UTF-8 mark is what editors write and leaves nothing to explain
};

constexpr std::array<ByteOrderMark, 3> kByteOrderMarks = {{
    {"\xEF\xBB\xBF", "UTF-8", false},
    {"\xFF\xFE", "UTF-16LE", true},
    {"\xFE\xFF", "UTF-16BE", true},
}};

// A CA that could be read among single bytes cannot name a set of wider units.
constexpr std::array<std::string_view, 9> kWideSetPrefixes = {"UTF-16", "UTF16", "UTF-32", "UTF32",  "UCS-2",
                                                              "UCS2",   "UCS-4", "UCS4",   "UNICODE"};

constexpr unsigned char kFirstNonAscii = 0x80;

std::string upper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return out;
}

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < kFirstNonAscii; });
}

bool namesWideSet(const std::string& label)
{
    return std::any_of(kWideSetPrefixes.begin(), kWideSetPrefixes.end(),
                       [&](std::string_view prefix) { return label.rfind(prefix, 0) == 0; });
}

const LegacySet* legacySetLabelled(const std::string& label)
{
    for (const LegacySet& set : kLegacySets)
        if (std::find(set.labels.begin(), set.labels.end(), label) != set.labels.end())
            return &set;
    return nullptr;
}

// The bytes read with `decoder`; false when iconv does not know it.
bool decodeWith(std::string_view bytes, const std::string& decoder, const std::string& shown, DecodedSgf& decoded)
{
    DecodedSgf attempt;
    attempt.charset = shown;
    if (!GbkText::decodeToUtf8(bytes, decoder, attempt.utf8, attempt.undecodable))
        return false;
    decoded = std::move(attempt);
    return true;
}

bool decodeWith(std::string_view bytes, const LegacySet& set, DecodedSgf& decoded)
{
    return decodeWith(bytes, set.decoder, set.shown, decoded);
}

// The detector's name for the set of `bytes`, upper case; empty when it has none.
std::string detectorAnswer(std::string_view bytes)
{
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(), &uchardet_delete);
    if (detector == nullptr || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0)
        return {};
    uchardet_data_end(detector.get());
    const char* answer = uchardet_get_charset(detector.get());
    return upper(answer != nullptr ? answer : "");
}

// The detector names one of the legacy sets when the text gives it enough to
// go on; on a few characters it answers with a single-byte Western or Arabic
// set, or with nothing. That is a close call, and GB18030 is taken: the users
// are Chinese, and GB18030 reads nearly any double-byte text without an error.
// A named set that the bytes do not fit loses to GB18030 the same way when
// GB18030 fits them.
DecodedSgf detect(std::string_view raw, const std::string& why)
{
    const std::string answer = detectorAnswer(raw);
    const LegacySet* named = legacySetLabelled(answer);
    DecodedSgf decoded;
    const bool namedDecodes = named != nullptr && decodeWith(raw, *named, decoded);
    if (namedDecodes && decoded.undecodable == 0) {
        decoded.choice = why + "; detected " + named->shown;
        return decoded;
    }
    DecodedSgf preferred;
    decodeWith(raw, preferredSet(), preferred);
    if (preferred.undecodable == 0 || !namedDecodes) {
        const std::string reason = named != nullptr
                                       ? "the bytes do not fit " + named->shown + ", the detector's guess"
                                       : "a close call on so little text, " + preferred.charset + " preferred";
        preferred.choice = why + "; detected " + preferred.charset + " (" + reason + ")";
        return preferred;
    }
    decoded.choice = why + "; detected " + named->shown;
    return decoded;
}

enum class Declared { Fits, DoesNotFit, Unknown };

// The bytes read as their CA says: a legacy set through its decoder, any
// other name as iconv knows it.
Declared decodeDeclared(std::string_view raw, const std::string& declared, DecodedSgf& decoded)
{
    const std::string label = upper(declared);
    if (namesWideSet(label))
        return Declared::DoesNotFit;
    const LegacySet* set = legacySetLabelled(label);
    if (!decodeWith(raw, set != nullptr ? set->decoder : declared, declared, decoded))
        return Declared::Unknown;
    return decoded.undecodable == 0 ? Declared::Fits : Declared::DoesNotFit;
}

// Why the CA was not taken, to begin the warning.
std::string whyNotDeclared(const std::string& declared, Declared outcome)
{
    if (declared.empty())
        return "no CA";
    if (outcome == Declared::Unknown)
        return "CA[" + declared + "] names no character set this tool knows";
    return "CA[" + declared + "] does not fit the text";
}

// The text after a byte-order mark, when the file starts with one.
bool decodeAfterMark(std::string_view raw, DecodedSgf& decoded)
{
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (raw.substr(0, mark.bytes.size()) != mark.bytes)
            continue;
        decodeWith(raw.substr(mark.bytes.size()), mark.charset, mark.charset, decoded);
        if (mark.noted)
            decoded.choice = std::string("byte-order mark; read as ") + mark.charset;
        return true;
    }
    return false;
}

} // namespace

DecodedSgf decodeSgf(std::string_view raw)
{
    DecodedSgf decoded;
    if (decodeAfterMark(raw, decoded))
        return decoded;
    const std::string declared = StandardSgfParser::findCharset(raw);
    Declared outcome = Declared::Unknown;
    if (!declared.empty()) {
        outcome = decodeDeclared(raw, declared, decoded);
        if (outcome == Declared::Fits)
            return decoded;
    }
    const std::string why = whyNotDeclared(declared, outcome);
    if (isAscii(raw)) {
        decoded = DecodedSgf{std::string(raw), "ASCII", declared.empty() ? "" : why + "; read as ASCII", 0};
        return decoded;
    }
    decodeWith(raw, "UTF-8", "UTF-8", decoded);
    if (decoded.undecodable == 0) {
        decoded.choice = why + "; read as UTF-8, which the text is";
        return decoded;
    }
    return detect(raw, why);
}

} // namespace joseki::pack
