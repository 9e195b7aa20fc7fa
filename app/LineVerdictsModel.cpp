#include "app/LineVerdictsModel.h"

#include "app/BackgroundJob.h"
#include "varnel/common/DBC.h"
#include "varnel/settings/QStringConversion.h"

#include <algorithm>
#include <utility>

#include <QBrush>
#include <QPoint>

namespace varnel {

namespace {

using Outcome = LineVerdict::Outcome;
using Check = LineVerdict::Check;

QString outcome_caption(const LineVerdict& verdict) {
    switch (verdict.check) {
    case Check::right:
        return QStringLiteral("\u2713 right");
    case Check::wrong:
        return QStringLiteral("\u2717 wrong");
    case Check::none:
        break;
    }
    switch (verdict.outcome) {
    case Outcome::changed:
        return QStringLiteral("changed");
    case Outcome::same:
        return QStringLiteral("unchanged");
    case Outcome::no_match:
        return QStringLiteral("no match");
    case Outcome::failed:
        return QStringLiteral("too complex");
    }
    DBC_UNREACHABLE();
}

QColor outcome_colour(const LineVerdict& verdict) {
    if (verdict.check != Check::none) {
        return verdict.check == Check::right ? QColor(0x1b, 0x7a, 0x2e) : QColor(0xc0, 0x1c, 0x1c);
    }
    return verdict.outcome == Outcome::changed ? QColor() : QColor(Qt::darkGray);
}

// The code units of a line shown at most: wider than a screen, and quick to lay out for every
// paint, which a line of megabytes is not.
constexpr std::size_t shown_length = 4096;

QString shown(const std::wstring& text) {
    if (text.size() <= shown_length) {
        return to_qstring(text);
    }
    return to_qstring(text.substr(0, shown_length));
}

// The spans of the matches, or of what replaced them, in the part of the text shown.
QList<QPoint> spans(const std::vector<ReplacedSpan>& matches, bool in_result) {
    QList<QPoint> points;
    for (const ReplacedSpan& match : matches) {
        const std::size_t begin = in_result ? match.result_begin : match.begin;
        const std::size_t end = in_result ? match.result_end : match.end;
        if (begin >= shown_length) {
            break;
        }
        points.append(
            QPoint(static_cast<int>(begin), static_cast<int>(std::min(end, shown_length))));
    }
    return points;
}

} // namespace

LineVerdictsModel::LineVerdictsModel(QObject* parent) : QAbstractTableModel(parent) {}

LineVerdictsModel::~LineVerdictsModel() {
    release_in_background(std::move(lines));
    release_in_background(std::move(judged));
}

void LineVerdictsModel::set_text(TextLines text) {
    beginResetModel();
    release_in_background(std::exchange(lines, std::move(text)));
    release_in_background(std::exchange(judged, {}));
    endResetModel();
    emit verdicts_changed();
}

void LineVerdictsModel::insert_lines(std::size_t at, const SharedPieces<std::wstring>& inserted) {
    DBC_PRECONDITION(at <= lines.lines.size() && !inserted.empty());
    beginInsertRows({}, static_cast<int>(at), static_cast<int>(at + inserted.size() - 1));
    lines.lines.insert(at, inserted);
    endInsertRows();
    drop_verdicts();
}

void LineVerdictsModel::remove_lines(std::size_t first, std::size_t count) {
    DBC_PRECONDITION(count > 0 && first + count <= lines.lines.size());
    beginRemoveRows({}, static_cast<int>(first), static_cast<int>(first + count - 1));
    lines.lines.erase(first, count);
    endRemoveRows();
    drop_verdicts();
}

const TextLines& LineVerdictsModel::text() const {
    return lines;
}

void LineVerdictsModel::show_verdicts(const LineVerdicts& verdicts) {
    DBC_PRECONDITION(verdicts.lines.empty() || verdicts.lines.size() == lines.lines.size());
    release_in_background(std::exchange(judged, verdicts));
    if (!lines.lines.empty()) {
        emit dataChanged(index(0, verdict_column), index(rowCount() - 1, becomes_column));
    }
    emit verdicts_changed();
}

void LineVerdictsModel::show_line_verdict(std::size_t row, LineVerdict verdict) {
    DBC_PRECONDITION(has_verdicts() && row < judged.lines.size());
    judged.counts.add(judged.lines[row], -1);
    judged.counts.add(verdict);
    judged.lines.set(row, std::move(verdict));
    const int at = static_cast<int>(row);
    emit dataChanged(index(at, verdict_column), index(at, becomes_column));
    emit verdicts_changed();
}

bool LineVerdictsModel::has_verdicts() const {
    return !judged.problem && judged.lines.size() == lines.lines.size();
}

const LineVerdicts& LineVerdictsModel::verdicts() const {
    return judged;
}

void LineVerdictsModel::set_expectations(Expectations expectations) {
    expected = std::move(expectations);
}

void LineVerdictsModel::drop_verdicts() {
    if (!judged.lines.empty()) {
        release_in_background(std::exchange(judged, {}));
        emit dataChanged(index(0, verdict_column), index(rowCount() - 1, becomes_column));
        emit verdicts_changed();
    }
}

int LineVerdictsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines.lines.size());
}

int LineVerdictsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : column_count;
}

QVariant LineVerdictsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (index.column()) {
    case number_column:
        return role == Qt::DisplayRole ? QVariant(index.row() + 1) : QVariant();
    case line_column:
        if (role == Qt::DisplayRole) {
            return shown(lines.lines[row]);
        }
        if (role == Qt::EditRole) {
            return to_qstring(lines.lines[row]);
        }
        if (role == highlight_role && has_verdicts()) {
            return QVariant::fromValue(spans(judged.lines[row].matches, false));
        }
        return {};
    default:
        return has_verdicts() ? verdict_data(index, role) : QVariant();
    }
}

QVariant LineVerdictsModel::verdict_data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    const LineVerdict& verdict = judged.lines[row];
    const std::wstring& line = lines.lines[row];
    const auto wanted = expected.find(line);
    if (index.column() == verdict_column) {
        if (role == Qt::DisplayRole) {
            return outcome_caption(verdict);
        }
        if (role == Qt::ForegroundRole && outcome_colour(verdict).isValid()) {
            return QBrush(outcome_colour(verdict));
        }
        if (role == Qt::ToolTipRole && wanted != expected.end()) {
            return QStringLiteral("Should become: ") + to_qstring(wanted->second);
        }
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return shown(rewritten(line, verdict));
    case Qt::EditRole:
        // Teaching starts from what the line should become if taught, else from what it becomes.
        return to_qstring(wanted != expected.end() ? wanted->second : rewritten(line, verdict));
    case Qt::ForegroundRole:
        return verdict.outcome == Outcome::changed ? QVariant() : QBrush(Qt::darkGray);
    case highlight_role:
        return QVariant::fromValue(spans(verdict.matches, true));
    default:
        return {};
    }
}

QVariant LineVerdictsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const captions[] = {"#", "Verdict", "Line", "Becomes"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= column_count) {
        return {};
    }
    return QString::fromLatin1(captions[section]);
}

Qt::ItemFlags LineVerdictsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const bool taught_here = index.column() == becomes_column && has_verdicts() &&
                             !lines.lines[static_cast<std::size_t>(index.row())].empty();
    if (index.column() == line_column || taught_here) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool LineVerdictsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    std::wstring text = to_wstring(value.toString());
    if (index.column() == becomes_column) {
        emit wanted(row, text);
        return true;
    }
    lines.lines.set(row, std::move(text));
    emit dataChanged(index, index);
    emit line_edited(row);
    return true;
}

} // namespace varnel
