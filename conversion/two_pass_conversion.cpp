#include "two_pass_conversion.h"

#include "numbering.h"
#include "scm_layout.h"
#include "text_file.h"

namespace trellwick {

std::string write_scm_file(LineReader& api, const MacroSurvey& survey, const std::string& size_line,
                           const ScmTexts& texts, LineWriter& scm) {
    const auto read_error = [&] {
        return "Cannot read " + api.name() + ": " + api.error();
    };
    if (!api.rewind())
        return read_error();
    scm.write_line(kScmFirstLine);
    scm.write_line(name_line(texts.name, texts.type, texts.bitmap));
    scm.write_line(size_line);
    Numbering numbering(survey.usage(), texts.descriptions);
    const WorkFileSize size = write_parameters_and_body(numbering, api, MacroLines::Numbered, scm);
    if (api.failed())
        return read_error();
    if (size != survey.size())
        return "Cannot finish " + display_path(scm.path()) + ": " + api.name() +
               " changed while it was converted";
    return scm.flush();
}

} // namespace trellwick
