#pragma once
// The preview's lines as a table for a view: each line's number, its verdict, the line with its
// matches and what it becomes with the replacements. The text is edited here, a line at a time or
// by inserting and removing lines; the verdicts come from the window, which judges the text. A
// text or verdicts put aside are freed in the background: for a long text that takes longer than
// the window may stand still.

#include "app/LineVerdicts.h"
#include "app/TextLines.h"

#include <cstddef>
#include <string>

#include <QAbstractTableModel>

namespace varnel {

class LineVerdictsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { number_column, verdict_column, line_column, becomes_column, column_count };
    // The spans to highlight in a line or in what it becomes: a QList<QPoint> of (begin, end).
    static constexpr int highlight_role = Qt::UserRole;

    LineVerdictsModel(QObject* parent = nullptr);
    ~LineVerdictsModel() override;
    LineVerdictsModel(const LineVerdictsModel&) = delete;
    LineVerdictsModel& operator=(const LineVerdictsModel&) = delete;

    // The verdicts are gone until show_verdicts() (rows() of them) or a problem comes.
    void set_text(TextLines text);
    void insert_lines(std::size_t at, const SharedPieces<std::wstring>& lines);
    // Precondition: first + count <= rows().
    void remove_lines(std::size_t first, std::size_t count);
    // A copy, to work on in the background, shares the lines: later edits leave it as it is.
    const TextLines& text() const;

    // Precondition: the verdicts are of every line of the text as it is now, or of none.
    void show_verdicts(const LineVerdicts& verdicts);
    // The verdict of a line just edited. Precondition: has_verdicts().
    void show_line_verdict(std::size_t row, LineVerdict verdict);
    // True when every line has its verdict.
    bool has_verdicts() const;
    // A copy shares them, as text()'s does.
    const LineVerdicts& verdicts() const;

    // The wanted texts the window shows for taught lines.
    void set_expectations(Expectations expected);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A line's text is edited in its own column; what it becomes, in the last, teaches it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void line_edited(std::size_t row);
    // The user typed what the line should become.
    void wanted(std::size_t row, const std::wstring& text);
    // The verdicts came or went.
    void verdicts_changed();

private:
    void drop_verdicts();
    QVariant verdict_data(const QModelIndex& index, int role) const;

    TextLines lines;
    LineVerdicts judged;
    Expectations expected;
};

} // namespace varnel
