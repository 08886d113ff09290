// The compiled language file reader on arbitrary bytes. Texts that a
// language file can hold come back unchanged when written and read again.

#include "FuzzSupport.h"
#include "settings/LanguageFile.h"
#include "show/ScrambledField.h"

using namespace zyn;

namespace {

bool allStorable(const LanguageTexts& texts) {
    for (const QString& text : texts.all()) {
        if (ScrambledField::firstUnstorable(text) >= 0)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LanguageTexts texts = LanguageFile::parse(fuzz::bytesOf(data, size));
    fuzz::check(texts.text(0).isEmpty(), "text 0 is always empty");
    fuzz::check(texts.text(texts.count() + 1).isEmpty(), "a text beyond the language is empty");
    (void)texts.stopLabels();
    if (!allStorable(texts))
        return 0;
    fuzz::check(LanguageFile::parse(LanguageFile::serialize(texts)).all() == texts.all(),
                "a written language file reads back unchanged");
    return 0;
}
