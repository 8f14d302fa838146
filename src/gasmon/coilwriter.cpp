#include "gasmon/coilwriter.h"

#include "platform/winapi.h"

#include <QCoreApplication>
#include <QObject>

#include <memory>

namespace gasmon {

CoilWriter::CoilWriter(std::function<int(const platform::CoilValues&)> send) : send_(std::move(send))
{
    wait_.setSingleShot(true);
    QObject::connect(&wait_, &QTimer::timeout, [this] {
        waited_ = true;
        if (ready)
            ready();
    });
}

void CoilWriter::Add(const platform::CoilValues& values, int delayMs) { steps_.push_back({values, delayMs}); }

bool CoilWriter::Next()
{
    while (!steps_.empty()) {
        const Step step = steps_.front();
        if (step.delayMs > 0 && !waited_) {
            if (!wait_.isActive())
                wait_.start(step.delayMs);
            return true;
        }
        waited_ = false;
        steps_.pop_front();
        if (send_(step.values) == 0)
            return true;
        // A write the link refused is dropped; the next one goes at once.
    }
    return false;
}

namespace {

// Longest wait for one answer: the link's own time-out is far below it.
constexpr int kAnswerDeadlineMs = 5000;

class LinkCloser final : public QObject {
public:
    LinkCloser(const ModbusCalls& calls, std::uint32_t handle, const platform::ModbusRequest& request,
               bool answerAwaited, int finalWaitMs)
        : QObject(QCoreApplication::instance()),  // one still waiting when the program ends goes with it
          calls_(calls), handle_(handle), request_(request), awaited_(answerAwaited), finalWaitMs_(finalWaitMs),
          writer_([this](const platform::CoilValues& v) { return Send(v); })
    {
        window_ = platform::RegisterMessageWindow([this](unsigned, std::uintptr_t wParam, std::intptr_t) {
            if (wParam == handle_)
                Answered();
        });
        calls_.hook(handle_, window_, platform::WM_USER + 1, 0);
        writer_.ready = [this] { Advance(); };
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, [this] { Answered(); });
    }

    ~LinkCloser() override { platform::UnregisterMessageWindow(window_); }

    CoilWriter& writer() { return writer_; }

    void Advance()
    {
        if (awaited_) {
            deadline_.start(kAnswerDeadlineMs);
            return;
        }
        if (writer_.Next())
            return;
        QTimer::singleShot(finalWaitMs_, this, [this] {
            calls_.close(handle_);
            deleteLater();
        });
    }

private:
    int Send(const platform::CoilValues& values)
    {
        const int code = calls_.write(handle_, request_, values);
        awaited_ = code == 0;
        return code;
    }

    void Answered()
    {
        deadline_.stop();
        awaited_ = false;
        Advance();
    }

    ModbusCalls calls_;
    std::uint32_t handle_;
    platform::ModbusRequest request_;
    bool awaited_;
    int finalWaitMs_;
    CoilWriter writer_;
    platform::HWND window_ = 0;
    QTimer deadline_;
};

}  // namespace

void CloseLinkAfterWrites(const ModbusCalls& calls, std::uint32_t handle, const platform::ModbusRequest& writeRequest,
                          bool answerAwaited, const std::deque<std::pair<platform::CoilValues, int>>& writes,
                          int finalWaitMs)
{
    auto* closer = new LinkCloser(calls, handle, writeRequest, answerAwaited, finalWaitMs);
    for (const auto& [values, delayMs] : writes)
        closer->writer().Add(values, delayMs);
    closer->Advance();
}

}  // namespace gasmon
