#include "app/RichTextBox.h"

#include "settings/QStringConversion.h"

#include <array>

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The style of each block type, indexed by the type.
using RunFormats = std::array<QTextCharFormat, 3>;

RunFormats run_formats(const QTextEdit& box) {
    RunFormats formats;
    QColor colour = box.palette().color(QPalette::Text);
    colour.setAlphaF(0.5);
    formats[PrettyFormatBlock::Escape].setForeground(colour);
    formats[PrettyFormatBlock::Special].setFontWeight(QFont::ExtraBold);
    return formats;
}

// Characters [start, end) of the paragraph in one style. Neighbouring blocks of one type make one
// run: the document keeps them as one stretch of one format either way.
struct Run {
    int start;
    int end;
    PrettyFormatBlock::Type type;
};

std::vector<Run> runs_of(const std::vector<PrettyFormatBlock>& blocks) {
    std::vector<Run> runs;
    int position = 0;
    for (const PrettyFormatBlock& block : blocks) {
        const int end = position + static_cast<int>(block.text.size());
        if (!runs.empty() && runs.back().type == block.type) {
            runs.back().end = end;
        } else if (end > position) {
            runs.push_back({position, end, block.type});
        }
        position = end;
    }
    return runs;
}

QString text_of(const std::vector<PrettyFormatBlock>& blocks) {
    std::wstring text;
    for (const PrettyFormatBlock& block : blocks) {
        text += block.text;
    }
    return to_qstring(text);
}

void apply_format(QTextCursor& writer, const Run& run, const RunFormats& formats) {
    writer.setPosition(run.start);
    writer.setPosition(run.end, QTextCursor::KeepAnchor);
    writer.setCharFormat(formats[run.type]);
}

// The runs whose characters do not all show their run's format yet.
std::vector<Run> changed_runs(const QTextBlock& paragraph, const std::vector<Run>& runs,
                              const RunFormats& formats) {
    std::vector<Run> changed;
    QTextBlock::iterator fragment = paragraph.begin();
    for (const Run& run : runs) {
        // Fragments that end inside the run belong to it alone; one that goes on beyond it is
        // looked at again for the next run.
        while (!fragment.atEnd() &&
               fragment.fragment().position() + fragment.fragment().length() <= run.start) {
            ++fragment;
        }
        for (QTextBlock::iterator inside = fragment; !inside.atEnd(); ++inside) {
            if (inside.fragment().position() >= run.end) {
                break;
            }
            if (inside.fragment().charFormat() != formats[run.type]) {
                changed.push_back(run);
                break;
            }
        }
    }
    return changed;
}

// When the box holds exactly the text as one plain paragraph, as when the user's edit is
// restyled, only the runs whose format changed are rewritten: the document, and with it the
// layout of the paragraph, stays as it is when no run changed.
bool restyle_in_place(QTextDocument& document, const QString& text, const std::vector<Run>& runs,
                      const RunFormats& formats) {
    const QTextBlock paragraph = document.firstBlock();
    if (document.blockCount() != 1 || paragraph.blockFormat() != QTextBlockFormat() ||
        paragraph.charFormat() != QTextCharFormat() || paragraph.text() != text) {
        return false;
    }
    const std::vector<Run> changed = changed_runs(paragraph, runs, formats);
    if (!changed.empty()) {
        QTextCursor writer(&document);
        writer.beginEditBlock();
        for (const Run& run : changed) {
            apply_format(writer, run, formats);
        }
        writer.endEditBlock();
    }
    return true;
}

// Replaces the whole content with one paragraph: the text in one insertion, then the styles by
// run, so that the document and its layout are rebuilt once.
void rebuild(QTextDocument& document, const QString& text, const std::vector<Run>& runs,
             const RunFormats& formats) {
    QTextCursor writer(&document);
    writer.beginEditBlock();
    writer.select(QTextCursor::Document);
    writer.removeSelectedText();
    writer.setBlockFormat(QTextBlockFormat());
    writer.setBlockCharFormat(QTextCharFormat());
    writer.insertText(text, formats[PrettyFormatBlock::Normal]);
    for (const Run& run : runs) {
        if (run.type != PrettyFormatBlock::Normal) {
            apply_format(writer, run, formats);
        }
    }
    writer.endEditBlock();
}

int content_end(const QTextDocument& document) {
    return document.characterCount() - 1;
}

// Sets the flag for the life of the object, also when an exception leaves the scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag(flag) { flag = true; }
    ~FlagScope() { flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag;
};

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setTabChangesFocus(true);
    // Every edit restyles the whole box; undoing such a rewrite would only bring it back.
    setUndoRedoEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    document()->setDocumentMargin(3);
}

QSize RichTextBox::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int margin = 2 * static_cast<int>(document()->documentMargin());
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 30 + frame + margin, metrics.height() + frame + margin};
}

QSize RichTextBox::minimumSizeHint() const {
    return {sizeHint().height() * 2, sizeHint().height()};
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enter_pressed();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void rich_box_format(QTextEdit& box, const std::vector<PrettyFormatBlock>& blocks,
                     bool& formatting) {
    const QTextCursor old_cursor = box.textCursor();
    const auto caret = rich_box_offset(box, old_cursor.position());
    const auto anchor = rich_box_offset(box, old_cursor.anchor());
    {
        const FlagScope scope(formatting);
        const QString text = text_of(blocks);
        const std::vector<Run> runs = runs_of(blocks);
        const RunFormats formats = run_formats(box);
        // The paragraph is one line as long as the whole text: the glyphs its layout shapes are
        // kept for placing the caret and for painting instead of being shaped again for each.
        // The first paragraph is the one that stays.
        box.document()->firstBlock().layout()->setCacheEnabled(true);
        if (!restyle_in_place(*box.document(), text, runs, formats)) {
            rebuild(*box.document(), text, runs, formats);
        }
    }
    QTextCursor new_cursor(box.document());
    new_cursor.setPosition(rich_box_position(box, anchor));
    new_cursor.setPosition(rich_box_position(box, caret), QTextCursor::KeepAnchor);
    box.setTextCursor(new_cursor);
}

std::wstring::size_type rich_box_offset(const QTextEdit& box, int position) {
    const QTextDocument& document = *box.document();
    if (position <= 0) {
        return 0;
    }
    position = std::min(position, content_end(document));
    // Each paragraph before the position's own ends in one position that is not a character.
    return static_cast<std::wstring::size_type>(position -
                                                document.findBlock(position).blockNumber());
}

int rich_box_position(const QTextEdit& box, std::wstring::size_type offset) {
    const QTextDocument& document = *box.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto characters = static_cast<std::wstring::size_type>(block.length() - 1);
        if (offset <= characters) {
            return block.position() + static_cast<int>(offset);
        }
        offset -= characters;
    }
    return content_end(document);
}

std::wstring rich_text_box_text(const QTextEdit& box) {
    // Line feeds and carriage returns never stay in a paragraph's text: they end paragraphs.
    QString text;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        text += block.text();
    }
    return to_wstring(text);
}
