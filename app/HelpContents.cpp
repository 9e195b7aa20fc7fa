#include "app/HelpContents.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace varnel {

namespace {

QString unescaped(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

HelpTopic make_topic(const QString& object) {
    static const QRegularExpression parameter(
        QStringLiteral(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    HelpTopic topic;
    for (const QRegularExpressionMatch& match : parameter.globalMatch(object)) {
        const QString name = match.captured(1).toLower();
        if (name == QLatin1String("name")) {
            topic.name = unescaped(match.captured(2));
        } else if (name == QLatin1String("local")) {
            topic.local = unescaped(match.captured(2));
        }
    }
    return topic;
}

} // namespace

std::vector<HelpTopic> parse_help_contents(const QString& sitemap) {
    // A list opened after a topic holds that topic's children. The levels are kept on a stack
    // rather than by recursion, and only the innermost list grows, so the pointers stay valid.
    static const QRegularExpression token(
        QStringLiteral(R"re(<ul\b|</ul\s*>|<object\b[^>]*text/sitemap[^>]*>.*?</object\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    std::vector<HelpTopic> topics;
    std::vector<std::vector<HelpTopic>*> levels;
    for (const QRegularExpressionMatch& match : token.globalMatch(sitemap)) {
        const QString text = match.captured().toLower();
        std::vector<HelpTopic>& current = levels.empty() ? topics : *levels.back();
        if (text.startsWith(QLatin1String("<ul"))) {
            levels.push_back(levels.empty() || current.empty() ? &current
                                                               : &current.back().children);
        } else if (text.startsWith(QLatin1String("</ul"))) {
            if (!levels.empty()) {
                levels.pop_back();
            }
        } else {
            current.push_back(make_topic(match.captured()));
        }
    }
    return topics;
}

} // namespace varnel
