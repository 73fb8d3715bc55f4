// fontconfig's answers to the face queries of earlier runs, kept in a file
// of the user's. Reading fontconfig's configuration (some fifty files of
// XML) is a third of a one-file conversion; while every file and folder
// that configuration was read from, the font and cache folders it names
// and the environment fontconfig reads are as they were, fontconfig would
// give the same answers again, and a run answered here never reads it.
#ifndef TERVOLANPDF_FONTANSWERS_H
#define TERVOLANPDF_FONTANSWERS_H

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

// fontconfig's own declaration, so that its header stays out of this one.
typedef struct _FcConfig FcConfig;

namespace tervolanpdf {

class FontAnswers {
public:
    struct Answer {
        std::string path;
        int index = 0;
        std::vector<std::string> families; // the face's, as fontconfig lists them
    };

    // Made before fontconfig reads its configuration: what changes after
    // this moment may or may not be in this process's answers.
    explicit FontAnswers(std::string file);

    // The kept answer to query (fontconfig's pattern as text), when the
    // file holds one and nothing it depends on has changed since.
    std::optional<Answer> find(const std::string &query);

    // Keeps fontconfig's answer to query and writes the file anew, with
    // what config was read from. The answers only save time: a file that
    // cannot be written is left as it was.
    void remember(const std::string &query, const Answer &answer, FcConfig *config);

    // Drops every kept answer (one led to a face that could not be read).
    void forget();

private:
    void load();

    std::string m_file;
    timespec m_startedAt{};
    bool m_loaded = false;
    std::map<std::string, Answer> m_answers;
};

} // namespace tervolanpdf

#endif
