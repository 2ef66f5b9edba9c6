#pragma once
// The course catalogue: the lesson titles of a course, "^title 1^title 2^...^title N^".

#include <QString>
#include <QStringList>

namespace lumeport {

QStringList CatalogueTitles(const QString& catalogueText);

} // namespace lumeport
