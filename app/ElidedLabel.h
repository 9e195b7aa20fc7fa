#pragma once
// A one-line label that shows as much of its text as its width holds, "…" after, and the whole
// text as its tool tip. It asks for no width of its own, so that a long text does not widen the
// window it is in.

#include <QLabel>
#include <QString>

namespace varnel {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void set_whole_text(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString whole;
};

} // namespace varnel
