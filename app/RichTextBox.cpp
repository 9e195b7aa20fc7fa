#include "app/RichTextBox.h"

#include "app/QStringConversion.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QTextCharFormat run_format(const QTextEdit& box, PrettyFormatBlock::Type type) {
    QTextCharFormat format;
    switch (type) {
    case PrettyFormatBlock::Normal:
        break;
    case PrettyFormatBlock::Escape: {
        QColor colour = box.palette().color(QPalette::Text);
        colour.setAlphaF(0.5);
        format.setForeground(colour);
        break;
    }
    case PrettyFormatBlock::Special:
        format.setFontWeight(QFont::ExtraBold);
        break;
    }
    return format;
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
        QTextCursor writer(box.document());
        writer.beginEditBlock();
        writer.select(QTextCursor::Document);
        writer.removeSelectedText();
        writer.setBlockFormat(QTextBlockFormat());
        writer.setBlockCharFormat(QTextCharFormat());
        for (const PrettyFormatBlock& block : blocks) {
            writer.insertText(to_qstring(block.text), run_format(box, block.type));
        }
        writer.endEditBlock();
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
