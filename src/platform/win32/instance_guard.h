#pragma once
// One copy at a time on Windows, without Qt: the first copy holds a named mutex; a later one
// broadcasts a registered window message that the first copy's main window answers.
namespace orvelle {

inline constexpr char kInstanceMutexName[] = "Orvelle_App_Mutex_gz54w";
inline constexpr char kActivationMessageName[] = "Orvelle_App_Msg_xqw1e";

class TInstanceGuard {
  public:
    TInstanceGuard(); // registers the message: every process gets the same number for the name
    ~TInstanceGuard();
    TInstanceGuard(const TInstanceGuard&) = delete;
    TInstanceGuard& operator=(const TInstanceGuard&) = delete;

    // True in the first copy, which then holds the mutex as long as the guard lives. False when
    // another copy holds it, or when the mutex cannot be had at all.
    bool Claim();
    unsigned Message() const { return FMessage; }
    // Sends the message to every top-level window, hidden ones included, and returns once each
    // has answered (or has not within two seconds).
    void Broadcast() const;

  private:
    void* FMutex = nullptr; // HANDLE
    unsigned FMessage = 0;
};

} // namespace orvelle
