// The language source reader on arbitrary bytes. A source that reads without
// error gives the same texts when written out again, and when compiled into a
// language file and loaded: what the translator wrote is what the user sees.

#include "FuzzSupport.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageSource.h"

#include <algorithm>

using namespace zyn;

namespace {

// Equal as the program looks them up: a text left out reads as "".
bool sameTexts(const LanguageTexts& a, const LanguageTexts& b) {
    const int last = std::max(a.count(), b.count());
    for (int n = 0; n <= last; ++n) {
        if (a.text(n) != b.text(n))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LanguageSource::ParseResult source = LanguageSource::parse(fuzz::bytesOf(data, size));
    if (!source.error.isEmpty()) {
        fuzz::check(source.error.startsWith(QStringLiteral("line ")), "an error names its line");
        return 0;
    }
    fuzz::check(source.texts.count() <= LanguageSource::MaxTextNumber,
                "no text beyond the largest number");

    const LanguageSource::ParseResult rewritten =
        LanguageSource::parse(LanguageSource::write(source.texts, QStringLiteral("Fuzz")));
    fuzz::check(rewritten.error.isEmpty(), "a written source reads back");
    fuzz::check(sameTexts(rewritten.texts, source.texts), "a written source keeps its texts");

    const LanguageTexts compiled = LanguageFile::parse(LanguageFile::serialize(source.texts));
    fuzz::check(sameTexts(compiled, source.texts), "a compiled language keeps its texts");
    return 0;
}
