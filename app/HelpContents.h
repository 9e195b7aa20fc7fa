#pragma once
// The table of contents of a compiled help file, read from its sitemap (the ".hhc" file): nested
// lists of topics, each a name and the page it opens.

#include <vector>

#include <QString>

namespace varnel {

struct HelpTopic {
    QString name;
    QString local; // the page, relative to the root of the help file; empty for a heading
    std::vector<HelpTopic> children;
};

std::vector<HelpTopic> parse_help_contents(const QString& sitemap);

} // namespace varnel
