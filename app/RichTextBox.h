#pragma once
// The two result boxes: one editable line of styled text. Their content is rewritten as styled
// runs while caret and selection keep their places, counted in characters of the plain text.

#include "languages/PrettyFormatBlock.h"

#include <string>
#include <vector>

#include <QTextEdit>

class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Enter never becomes text here; it asks the window for its default action.
    void enter_pressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Replaces the box's content with one paragraph of runs styled by block type; when the box already
// holds the blocks' text as one paragraph, only the runs whose style differs are rewritten.
// formatting is true exactly while the content is being replaced, so text-change handlers can tell
// this rewrite from the user's edits.
void rich_box_format(QTextEdit& box, const std::vector<PrettyFormatBlock>& blocks,
                     bool& formatting);

// The number of characters before a position of the box; paragraph ends do not count.
std::wstring::size_type rich_box_offset(const QTextEdit& box, int position);

// The position just after that many characters; the end of the content if there are fewer.
int rich_box_position(const QTextEdit& box, std::wstring::size_type offset);

// The box's characters without styles and without paragraph ends.
std::wstring rich_text_box_text(const QTextEdit& box);
