#pragma once
// A sample box: one editable line that keeps its sample code unit for code unit as it was typed or
// pasted, line breaks and control characters included. The line edit underneath would show those
// units as spaces, as if they were spaces; it is given the stand-ins of ShownText.h instead, one
// unit for one, so that an offset into the line is the same offset into the sample. Undo and redo
// go through the box's own steps of samples: the line edit's would put stand-ins back in place of
// the units they stood for.

#include <optional>
#include <vector>

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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Step {
        QString sample;
        int caret;
    };

    void on_text_changed(const QString& now);
    // Keeps the sample before an edit of units [start, end) as a step to undo to, or lets a run of
    // typing go on.
    void remember(bool typed, int start, int end);
    void show_sample(int caret);
    void go_to(std::vector<Step>& from, std::vector<Step>& to);
    // Holds the caret still while the box has the focus and a long sample, lets it blink again
    // otherwise.
    void fit_caret();

    QString content;
    // The line as the line edit holds it: content with its stand-ins.
    QString shown;
    std::vector<Step> undo_steps;
    std::vector<Step> redo_steps;
    // Where the latest run of typing left the caret; typing on from there joins its step.
    int typing_end = -1;
    // True while the box sets the line edit's text itself.
    bool showing = false;
    // The application's caret flash time while the box holds its caret still; none while it blinks.
    std::optional<int> flash_time;
};

} // namespace varnel
