#include "CourseCatalogue.h"

#include "LessonScript.h"

namespace lumeport {

// Titles are delimited exactly as word tokens are: each one runs from a "^" to the next.
QStringList CatalogueTitles(const QString& catalogueText) {
    return WordTokens(catalogueText);
}

} // namespace lumeport
