// The narrow interface through which the round reads and writes everything
// the player sees. The table window implements it on its controls; the
// window-free host implements it on plain values.
#pragma once

#include <string>

class ITableView {
public:
    virtual ~ITableView() = default;

    // The read-only balance field; decimal text.
    virtual std::string GetBalanceText() const = 0;
    virtual void SetBalanceText(const std::string& text) = 0;

    // The stake selector's item index: 0 to 3, or -1 when nothing is selected.
    virtual int GetStakeIndex() const = 0;

    // The number selector's text: "0", "00" or "1" to "36".
    virtual std::string GetNumberText() const = 0;

    virtual void SetResultText(const std::string& text) = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    // The gauge keeps its value within 0 to 100: setting clamps, and repaints
    // only when the value changes.
    virtual int GetGaugeValue() const = 0;
    virtual void SetGaugeValue(int value) = 0;

    virtual void SetSpinEnabled(bool enabled) = 0;

    // Turning a timer on starts its period anew; turning it off stops it.
    virtual void SetProgressTimerOn(bool on) = 0;   // period 100 ms
    virtual void SetDecisionTimerOn(bool on) = 0;   // period 2600 ms

    // Handles once every event already queued for the window. May call back
    // into the round.
    virtual void ProcessPendingEvents() = 0;

    // Decodes standard Base64 with "=" as the fill character (TBase64Decoder).
    virtual std::string DecodeBase64(const std::string& text) = 0;
};
