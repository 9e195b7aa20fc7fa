#pragma once
// A sample box: one editable line that keeps its sample code unit for code unit as it was typed or
// pasted, line breaks and control characters included. The line edit underneath would show those
// units as spaces, as if they were spaces; it is given the stand-ins of ShownText.h instead, one
// unit for one. It holds only a stretch of a long sample around the caret (SampleWindow.h), since
// it lays out all it holds on every change; the box maps offsets between the two, and acts on the
// whole sample where the line edit would stop at the end of the stretch: the keys that go to the
// ends of the line, Select All, copying, cutting and pasting, and typing over a selection. Undo
// and redo go through the box's own steps of samples: the line edit's would put stand-ins back in
// place of the units they stood for.

#include "app/SampleWindow.h"

#include <optional>
#include <vector>

#include <QClipboard>
#include <QLineEdit>
#include <QString>

namespace varnel {

class SampleBox : public QLineEdit {
    Q_OBJECT

public:
    explicit SampleBox(QWidget* parent = nullptr);
    ~SampleBox() override;
    SampleBox(const SampleBox&) = delete;
    SampleBox& operator=(const SampleBox&) = delete;

    const QString& sample() const;
    // Replaces the whole sample, as one step to undo, and puts the caret at its end.
    void set_sample(const QString& sample);

    void undo();
    void redo();

signals:
    // The sample changed: typed, pasted, cut, undone or set.
    void sample_changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Step {
        QString sample;
        qsizetype caret;
    };

    // The line edit's own edit: typing, deleting, a drop, an input method's text.
    void on_text_edited(const QString& now);
    // A change of the line edit's text by a caller of QLineEdit: the whole sample.
    void on_text_changed(const QString& now);
    void on_selection_moved();
    // Acts on the whole sample for a key the line edit would apply to the stretch alone.
    bool take_key(const QKeyEvent& event);
    // The line edit selects all it holds for a triple click and for the focus coming by Tab: that
    // means the whole sample.
    void widen_full_selection();

    void select(qsizetype anchor, qsizetype caret);
    void select_all();
    void copy_selection(QClipboard::Mode mode = QClipboard::Clipboard) const;
    // The line edit offers what it selects to the system's primary selection where there is one,
    // but only what it holds, stand-ins and all: the box offers the selected units of the sample.
    void offer_selection() const;
    void cut_selection();
    void paste_clipboard();
    void delete_selection();
    void replace_selection(QStringView text);

    // Replaces units [start, start + removed) of the sample, keeping what it was as a step to
    // undo to (or letting a run of typing go on), and returns the window after the edit.
    SampleWindow replace(qsizetype start, qsizetype removed, QStringView inserted, bool typed);
    // Shows the window after a change of the sample.
    void show_window(const SampleWindow& next);
    // Shows the window after the caret moved or the user typed: the line edit's text is set again
    // only if the stretch moved, and the view stays where it was while the caret is in it.
    void place(const SampleWindow& next);
    void show_selection();
    void go_to(std::vector<Step>& from, std::vector<Step>& to);
    void finish_change();
    // Holds the caret still while the box has the focus and a long sample, lets it blink again
    // otherwise.
    void fit_caret();

    QString content;
    SampleWindow window;
    // The line as the line edit holds it: the window's stretch of content with its stand-ins.
    QString shown;
    std::vector<Step> undo_steps;
    std::vector<Step> redo_steps;
    // Where the latest run of typing left the caret; typing on from there joins its step.
    qsizetype typing_end = -1;
    // True while the box sets the line edit's text or selection itself.
    bool showing = false;
    // True from the line edit's report of its own edit until its report of the changed text.
    bool editing = false;
    // The application's caret flash time while the box holds its caret still; none while it blinks.
    std::optional<int> flash_time;
};

} // namespace varnel
