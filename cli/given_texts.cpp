#include "cli/given_texts.h"

#include "cli/type_choice.h"
#include "conversion/macro_types.h"
#include "files/code_page_text.h"

namespace trellwick::cli {

std::optional<std::string> encoded(std::string_view what, const std::string& utf8,
                                   std::string& error) {
    std::optional<std::string> bytes = utf8_to_code_page(utf8);
    if (!bytes && error.empty())
        error = std::string(what) + " \"" + utf8 + "\" holds a character that " +
                std::string(code_page_name()) + " can't hold";
    return bytes;
}

EncodedTexts encode_given_texts(const Options& options) {
    EncodedTexts encoded_texts;
    GivenTexts& texts = encoded_texts.texts;
    std::string& error = encoded_texts.error;
    if (options.type)
        texts.type_index = type_choice(*options.type).index;
    if (options.other_type) {
        texts.type_index = kOtherTypeIndex;
        texts.type_other = encoded("--other-type", *options.other_type, error).value_or("");
    }
    if (options.name)
        texts.name = encoded("--name", *options.name, error);
    if (options.bitmap)
        texts.bitmap = encoded("--bitmap", *options.bitmap, error);
    for (std::size_t i = 0; i < texts.descriptions.size(); ++i)
        if (options.descriptions[i])
            texts.descriptions[i] =
                encoded("--param " + std::to_string(i + 1), *options.descriptions[i], error);
    return encoded_texts;
}

} // namespace trellwick::cli
