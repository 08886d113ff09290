#pragma once

#include "reports/render/DrawingTarget.h"

#include <optional>
#include <vector>

namespace zyn::test {

// A print target that keeps every call, so that tests can check where the
// drawing routine puts things. Text is 2 mm per character at 9 points; a
// line is 0.4 mm per point high.
class RecordingTarget : public PrintTarget {
public:
    enum class Kind { Clear, Text, Line, Rect, NewPage, EndDoc };

    struct Op {
        Kind kind = Kind::Clear;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QString text;
        ReportFont font;
        double clipRight = NoClip;
    };

    void clear() override { add(Kind::Clear); }
    void setFont(const ReportFont& font) override { m_font = font; }
    double textWidth(const QString& text) const override { return text.size() * m_font.size / 4.5; }
    double textHeight() const override { return m_font.size * 0.4; }
    void printText(double x, double y, const QString& text, double clipRight) override {
        Op& op = add(Kind::Text, x, y);
        op.text = text;
        op.font = m_font;
        op.clipRight = clipRight;
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        add(Kind::Line, x1, y1, x2, y2);
    }
    void drawRect(double x1, double y1, double x2, double y2) override {
        add(Kind::Rect, x1, y1, x2, y2);
    }
    void newPage() override { add(Kind::NewPage); }
    void endDoc() override { add(Kind::EndDoc); }

    const std::vector<Op>& ops() const { return m_ops; }

    std::vector<Op> ofKind(Kind kind) const {
        std::vector<Op> result;
        for (const Op& op : m_ops) {
            if (op.kind == kind)
                result.push_back(op);
        }
        return result;
    }

    std::optional<Op> text(const QString& prefix) const {
        for (const Op& op : ofKind(Kind::Text)) {
            if (op.text.startsWith(prefix))
                return op;
        }
        return std::nullopt;
    }

private:
    Op& add(Kind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0) {
        Op& op = m_ops.emplace_back();
        op.kind = kind;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        return op;
    }

    ReportFont m_font;
    std::vector<Op> m_ops;
};

} // namespace zyn::test
