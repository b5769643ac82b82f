#include "two_pass_conversion.h"

#include "files/file_access.h"
#include "files/text_file.h"
#include "scm_layout.h"

namespace trellwick {

std::string write_scm_file(LineReader& api, const MacroSurvey& survey, std::string_view size_line,
                           const MacroTexts& texts, LineWriter& scm) {
    if (!api.rewind())
        return read_error(api);
    write_header(scm, texts, size_line);
    const MacroSize size = write_parameters_and_body(survey.usage(), texts, api, scm);
    if (api.failed())
        return read_error(api);
    if (size != survey.size())
        return "Cannot finish " + display_path(scm.path()) + ": " + api.name() +
               " changed while it was converted";
    return scm.flush();
}

} // namespace trellwick
