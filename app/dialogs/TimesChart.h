// The times of one size's games in the order played: a dot per solved game,
// a red cross along the top for each DNF, and the running average of 5 as a
// line. Drawn anti-aliased at any size; a short text when there are none.
#pragma once

#include <wx/panel.h>

#include <cstdint>
#include <optional>
#include <vector>

class wxGraphicsContext;

class TTimesChart : public wxPanel {
 public:
  explicit TTimesChart(wxWindow* parent);

  // Oldest first, kDnf for a game not brought home.
  void SetTimes(std::vector<int64_t> times);
  const std::vector<int64_t>& Times() const { return times_; }
  const std::vector<std::optional<int64_t>>& Averages() const { return averages_; }

 protected:
  wxSize DoGetBestClientSize() const override;

 private:
  void Draw(wxGraphicsContext& gc, const wxSize& size) const;

  std::vector<int64_t> times_;
  std::vector<std::optional<int64_t>> averages_;  // of 5, per game
};
