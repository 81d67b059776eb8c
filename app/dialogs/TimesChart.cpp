#include "app/dialogs/TimesChart.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "app/dialogs/ChartAxes.h"
#include "app/toolkit/Text.h"
#include "game/SolveStats.h"

namespace {

const wxColour kPaper(255, 255, 255), kFrame(190, 190, 190), kGrid(232, 232, 232), kInk(90, 90, 90);
const wxColour kTime(52, 110, 190), kAverage(232, 128, 20), kDnfMark(205, 40, 40);

void Cross(wxGraphicsPath& path, double x, double y, double r) {
  path.MoveToPoint(x - r, y - r);
  path.AddLineToPoint(x + r, y + r);
  path.MoveToPoint(x - r, y + r);
  path.AddLineToPoint(x + r, y - r);
}

}  // namespace

TTimesChart::TTimesChart(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (gc) Draw(*gc, GetClientSize());
  });
}

void TTimesChart::SetTimes(std::vector<int64_t> times) {
  times_ = std::move(times);
  averages_ = RunningAverages(times_, 5);
  Refresh();
}

wxSize TTimesChart::DoGetBestClientSize() const { return FromDIP(wxSize(440, 200)); }

void TTimesChart::Draw(wxGraphicsContext& gc, const wxSize& size) const {
  const double width = size.x, height = size.y;
  gc.SetBrush(wxBrush(kPaper));
  gc.SetPen(wxPen(kFrame));
  gc.DrawRectangle(0, 0, width - 1, height - 1);
  wxFont font = GetFont();
  gc.SetFont(font, kInk);
  double textW = 0, textH = 0;
  gc.GetTextExtent("0", &textW, &textH);
  if (times_.empty()) {
    const wxString empty = Text(TextId::StatsChartEmpty);
    gc.GetTextExtent(empty, &textW, &textH);
    gc.DrawText(empty, (width - textW) / 2, (height - textH) / 2);
    return;
  }

  const bool anyDnf = std::count(times_.begin(), times_.end(), kDnf) > 0;
  int64_t lo = -1, hi = -1;
  for (const int64_t t : times_) {
    if (t == kDnf) continue;
    lo = lo < 0 ? t : std::min(lo, t);
    hi = std::max(hi, t);
  }
  if (lo < 0) lo = 0, hi = 60000;  // nothing solved: a minute's axis under the crosses

  // The legend's line on top, the DNF band under it, the plot below.
  const double pad = FromDIP(8), legendH = textH + FromDIP(6);
  // The band is tall enough for its label to clear the top time's.
  const double dnfBand = anyDnf ? textH * 1.5 + FromDIP(2) : 0;
  const double top = pad + legendH + dnfBand, bottom = height - pad - textH - FromDIP(4);
  const chart::TimeScale scale =
      chart::TimeAxis(lo, hi, std::clamp(static_cast<int>((bottom - top) / (textH * 1.3)), 2, 8));
  double labelW = 0;
  for (const int64_t tick : scale.Ticks) {
    double w = 0, h = 0;
    gc.GetTextExtent(chart::TickText(tick, scale.Step), &w, &h);
    labelW = std::max(labelW, w);
  }
  double dnfW = 0, dnfH = 0;
  if (anyDnf) gc.GetTextExtent(Text(TextId::StatsDnf), &dnfW, &dnfH);
  const double left = pad + std::max(labelW, dnfW) + FromDIP(6), right = width - pad - FromDIP(4);
  if (right - left < FromDIP(20) || bottom - top < FromDIP(20)) return;
  const std::size_t count = times_.size();
  const double slot = (right - left) / static_cast<double>(count);
  auto xOf = [&](std::size_t i) { return left + (static_cast<double>(i) + 0.5) * slot; };
  auto yOf = [&](int64_t ms) {
    return bottom - static_cast<double>(ms - scale.From) / static_cast<double>(scale.To - scale.From) * (bottom - top);
  };

  // Grid and the time labels.
  for (const int64_t tick : scale.Ticks) {
    const double y = yOf(tick);
    gc.SetPen(wxPen(kGrid));
    gc.StrokeLine(left, y, right, y);
    double w = 0, h = 0;
    const wxString label = chart::TickText(tick, scale.Step);
    gc.GetTextExtent(label, &w, &h);
    gc.DrawText(label, left - FromDIP(6) - w, y - h / 2);
  }
  gc.SetPen(wxPen(kFrame));
  gc.StrokeLine(left, top, left, bottom);
  gc.StrokeLine(left, bottom, right, bottom);

  // The game numbers, as many as fit side by side.
  double numberW = 0, h = 0;
  gc.GetTextExtent(wxString::Format("%zu", count), &numberW, &h);
  const int fit = static_cast<int>((right - left) / (numberW + FromDIP(14)));
  for (const int game : chart::GameTicks(static_cast<int>(count), fit)) {
    const double x = xOf(static_cast<std::size_t>(game - 1));
    const wxString label = wxString::Format("%d", game);
    double w = 0;
    gc.GetTextExtent(label, &w, &h);
    gc.StrokeLine(x, bottom, x, bottom + FromDIP(3));
    gc.DrawText(label, std::min(x - w / 2, width - pad - w), bottom + FromDIP(4));
  }

  // The DNFs along their band above the times.
  const double mark = std::clamp(slot * 0.35, 1.5, static_cast<double>(FromDIP(4)));
  if (anyDnf) {
    const double y = pad + legendH + textH / 2;
    gc.SetFont(font, kDnfMark);
    gc.DrawText(Text(TextId::StatsDnf), left - FromDIP(6) - dnfW, y - textH / 2);
    wxGraphicsPath crosses = gc.CreatePath();
    for (std::size_t i = 0; i < count; ++i) {
      if (times_[i] == kDnf) Cross(crosses, xOf(i), y, mark);
    }
    gc.SetPen(wxPen(kDnfMark, mark > 2 ? FromDIP(2) : 1));  // thin where they crowd
    gc.StrokePath(crosses);
  }

  // The times as dots, then the average over them.
  const double radius = std::clamp(slot * 0.3, 1.2, static_cast<double>(FromDIP(3)));
  wxGraphicsPath dots = gc.CreatePath();
  for (std::size_t i = 0; i < count; ++i) {
    if (times_[i] != kDnf) dots.AddCircle(xOf(i), yOf(times_[i]), radius);
  }
  gc.SetPen(*wxTRANSPARENT_PEN);
  gc.SetBrush(wxBrush(kTime));
  gc.FillPath(dots);
  wxGraphicsPath line = gc.CreatePath();
  bool drawing = false;
  for (std::size_t i = 0; i < count; ++i) {
    const bool known = averages_[i] && *averages_[i] != kDnf;
    if (known && drawing) line.AddLineToPoint(xOf(i), yOf(*averages_[i]));
    if (known && !drawing) line.MoveToPoint(xOf(i), yOf(*averages_[i]));
    drawing = known;
  }
  gc.SetPen(wxPen(kAverage, FromDIP(2)));
  gc.StrokePath(line);

  // The legend, right-aligned on the top line.
  gc.SetFont(font, kInk);
  double x = right;
  const double y = pad + legendH / 2 - FromDIP(3);
  auto entry = [&](TextId text, auto drawMark) {
    double w = 0, th = 0;
    gc.GetTextExtent(Text(text), &w, &th);
    x -= w;
    gc.DrawText(Text(text), x, y - th / 2);
    x -= FromDIP(20);
    drawMark(x + FromDIP(8), y);
    x -= FromDIP(12);
  };
  if (count >= 5) {
    entry(TextId::StatsChartAverage, [&](double mx, double my) {
      gc.SetPen(wxPen(kAverage, FromDIP(2)));
      gc.StrokeLine(mx - FromDIP(7), my, mx + FromDIP(7), my);
    });
  }
  entry(TextId::StatsChartTimes, [&](double mx, double my) {
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kTime));
    gc.DrawEllipse(mx - FromDIP(3), my - FromDIP(3), FromDIP(6), FromDIP(6));
  });
}
