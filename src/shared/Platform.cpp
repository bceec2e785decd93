#include "shared/Platform.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace cs::platform {

namespace {

volatile std::sig_atomic_t stopRequests = 0;
volatile std::sig_atomic_t endAtOnce = 0;

char lastWords[2][1024];
std::size_t lastWordsSize[2] = {0, 0};
volatile std::sig_atomic_t lastWordsAt = -1;
volatile std::sig_atomic_t lastWordsFd = 2;

void onStop(int signal)
{
    if (stopRequests || endAtOnce) {
        if (const int at = lastWordsAt; at >= 0) {
            [[maybe_unused]] const auto n = ::write(lastWordsFd, lastWords[at], lastWordsSize[at]);
        }
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopRequests = 1;
}

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void handle(int signal, void (*handler)(int))
{
    struct sigaction action { };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

void setNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

} // namespace

void catchStopRequests(bool atOnce)
{
    stopRequests = 0;
    endAtOnce = atOnce;
    handle(SIGINT, onStop);
    handle(SIGTERM, onStop);
}

bool stopRequested()
{
    return stopRequests != 0;
}

void setLastWords(int fd, const char* bytes, std::size_t size)
{
    if (size == 0) {
        lastWordsAt = -1;
        return;
    }
    size = std::min(size, sizeof lastWords[0]);
    const int next = lastWordsAt == 0 ? 1 : 0;
    std::memcpy(lastWords[next], bytes, size);
    lastWordsSize[next] = size;
    lastWordsFd = fd;
    lastWordsAt = next;
}

int stopSignalDescriptor(bool hangUp)
{
    if (signalPipe[0] < 0) {
        if (::pipe(signalPipe) != 0)
            return signalPipe[0] = signalPipe[1] = -1;
        setNonBlocking(signalPipe[0]);
        setNonBlocking(signalPipe[1]);
    }
    handle(SIGINT, onSignal);
    handle(SIGTERM, onSignal);
    if (hangUp)
        handle(SIGHUP, onSignal);
    return signalPipe[0];
}

void drainStopSignals()
{
    char drain[16];
    while (signalPipe[0] >= 0 && ::read(signalPipe[0], drain, sizeof drain) > 0) { }
}

void ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

bool isTerminal(std::FILE* stream)
{
    return ::isatty(::fileno(stream)) == 1;
}

int terminalColumns(std::FILE* stream)
{
    winsize size{};
    return ::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

long peakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace cs::platform
