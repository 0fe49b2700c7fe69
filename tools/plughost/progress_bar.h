// A progress bar on one terminal line, redrawn in place with '\r'. It stays
// away from short runs: nothing is drawn before DelaySeconds have passed,
// and the line is cleared when the run ends.
#pragma once

#include <ostream>
#include <string>

class ProgressBar {
public:
    static constexpr double DelaySeconds = 2.0;
    static constexpr double IntervalSeconds = 0.1;

    // A disabled bar draws nothing (stderr is no terminal, or --quiet).
    ProgressBar(std::ostream& out, bool enabled) : out(out), enabled(enabled) {}

    // fraction in 0..1, or negative when the end is not known yet.
    void update(double fraction, const std::string& detail, double elapsedSeconds);
    void finish();

    // Whether update() would draw at this time.
    bool wouldDraw(double elapsedSeconds) const;

private:
    std::ostream& out;
    bool enabled;
    bool drawn = false;
    double lastDrawn = 0.0;
    std::size_t lastWidth = 0;
};

// "[#########---------]  50%  detail"; an unknown fraction shows no bar.
std::string progressLine(double fraction, const std::string& detail);
