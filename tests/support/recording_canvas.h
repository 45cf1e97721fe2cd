#pragma once
// A canvas for tests: records every call with its arguments, the page it was drawn on and the
// font current at the time; and a printer choice that hands such canvases out (or nothing, as a
// cancelled print dialog). Header-only; tests that use it link varkel_print.

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "print/canvas.h"

struct CanvasCall {
    enum Kind { Text, Line, Box, Image, NewPage };
    Kind kind = Text;
    int page = 1;
    int x = 0, y = 0;
    int x2 = 0, y2 = 0;          // the other end of a line
    int width = 0, height = 0;   // a box or a picture
    QString text;
    QColor front, back;          // text colours; `front` is also a line's or a box's colour
    PrintFont font;              // the font current at a text
    QImage image;
};

// Everything drawn in one job.
struct CanvasRecord {
    std::vector<CanvasCall> calls;
    int pages = 1;

    // Every call of one kind, in order.
    std::vector<CanvasCall> ofKind(CanvasCall::Kind kind) const
    {
        std::vector<CanvasCall> found;
        for (const CanvasCall& call : calls)
            if (call.kind == kind) found.push_back(call);
        return found;
    }
    std::vector<CanvasCall> texts() const { return ofKind(CanvasCall::Text); }
    // The first text drawn exactly as given.
    std::optional<CanvasCall> findText(const QString& text) const
    {
        for (const CanvasCall& call : calls)
            if (call.kind == CanvasCall::Text && call.text == text) return call;
        return std::nullopt;
    }
    bool hasText(const QString& text) const { return findText(text).has_value(); }
};

// How wide the recording canvas takes a text to be: every character half the font's pixel
// size, so that tests can tell where a right-aligned text begins.
inline int recordedTextWidth(const PrintFont& font, const QString& text)
{
    return static_cast<int>(text.size()) * (font.pixelSize / 2);
}

// Records into a CanvasRecord that may outlive it (the job's canvas is destroyed at its end).
class RecordingCanvas final : public Canvas {
public:
    explicit RecordingCanvas(int width = 4800, int height = 6800,
                             std::shared_ptr<CanvasRecord> record = std::make_shared<CanvasRecord>())
        : record_(std::move(record)), width_(width), height_(height)
    {
    }

    const CanvasRecord& record() const { return *record_; }

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setFont(const PrintFont& font) override { font_ = font; }
    int textWidth(const QString& text) const override { return recordedTextWidth(font_, text); }
    void drawText(int x, int y, const QString& text, const QColor& front, const QColor& back) override
    {
        CanvasCall call = make(CanvasCall::Text, x, y);
        call.text = text;
        call.front = front;
        call.back = back;
        call.font = font_;
        add(call);
    }
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour) override
    {
        CanvasCall call = make(CanvasCall::Line, x1, y1);
        call.x2 = x2;
        call.y2 = y2;
        call.front = colour;
        add(call);
    }
    void fillBox(int x, int y, int width, int height, const QColor& colour) override
    {
        CanvasCall call = make(CanvasCall::Box, x, y);
        call.width = width;
        call.height = height;
        call.front = colour;
        add(call);
    }
    void drawImage(int x, int y, int width, int height, const QImage& image) override
    {
        CanvasCall call = make(CanvasCall::Image, x, y);
        call.width = width;
        call.height = height;
        call.image = image;
        add(call);
    }
    void newPage() override
    {
        add(make(CanvasCall::NewPage, 0, 0));
        ++record_->pages;
    }

private:
    CanvasCall make(CanvasCall::Kind kind, int x, int y) const
    {
        CanvasCall call;
        call.kind = kind;
        call.page = record_->pages;
        call.x = x;
        call.y = y;
        return call;
    }
    void add(const CanvasCall& call) { record_->calls.push_back(call); }

    std::shared_ptr<CanvasRecord> record_;
    int width_;
    int height_;
    PrintFont font_;
};

// Hands out a recording canvas per job and keeps each job's record; hands out nothing (a
// cancelled print dialog) while `cancel` is set.
class RecordingPrinterChoice final : public PrinterChoice {
public:
    explicit RecordingPrinterChoice(int width = 4800, int height = 6800) : width_(width), height_(height) {}

    bool cancel = false;
    int asked = 0;
    std::vector<QString> titles; // the title of every job asked for, cancelled ones too
    std::vector<std::shared_ptr<CanvasRecord>> jobs;

    std::unique_ptr<Canvas> startJob(const QString& title) override
    {
        ++asked;
        titles.push_back(title);
        if (cancel) return {};
        jobs.push_back(std::make_shared<CanvasRecord>());
        return std::make_unique<RecordingCanvas>(width_, height_, jobs.back());
    }
    // What the last job drew.
    const CanvasRecord& last() const { return *jobs.back(); }

private:
    int width_;
    int height_;
};

inline void PrintTo(const CanvasCall& call, std::ostream* os)
{
    *os << "call " << call.kind << " page " << call.page << " at (" << call.x << ", " << call.y << ") \""
        << qUtf8Printable(call.text) << "\" font " << call.font.number;
}
