#pragma once
// Memory transfers with a unit, block by block over the link: reading the host
// unit's memory (and a receiver's), downloading a backup into the host unit,
// and the checked forms of both. Each returns what happened; the message of
// the outcome is the data backup window's own text for it.
//
//   host read        64 x  code 0D, block b        -> 128 data bytes each, wait 0.2 s
//   receiver read     2 x  code 0E, block b [, 01] -> 128 data bytes each, wait 9 s, 1 s
//   download         64 x  code 18, block b, 128 data bytes -> 1 data byte, wait 0.3 s
//
// A read fills ReadArea and touches the images only when it completes; a
// download changes no image. Blocks go strictly in order, each only after the
// previous one was answered; nothing is retried.

#include "link/Link.h"
#include "link/PortControl.h"
#include "shared/Outcome.h"

#include <functional>

namespace cs {

enum class MemoryUnit { Host, BuiltInReceiver, ExternalReceiver };

constexpr int BlockSize = 128;
constexpr int HostBlocks = HostMemorySize / BlockSize;         // 64
constexpr int ReceiverBlocks = ReceiverMemorySize / BlockSize; // 2

struct TransferControl {
    // The port is open and waiting input is discarded: the first request is next.
    std::function<void()> started;
    // A block was answered: the progress value the window shows for it (host
    // read and download: the block number; receiver read: block number + 1).
    std::function<void(int value)> progress;
    // Asked after each answered block: true ends the transfer there (Stopped).
    std::function<bool()> stop;
    // A checked download: the download completed and the read-back starts
    // (instead of a second `started`).
    std::function<void()> checking;
};

// Reads every block of the unit's memory into ReadArea. Done: the memory
// stands in ReadArea from cell 0; the images are untouched.
Outcome readBlocks(Link& link, PortControl& port, MemoryUnit unit,
                   const TransferControl& control = {});

// readBlocks, and on completion the memory into HostImage (with
// HostImageLoaded) or ReceiverImage (with ReceiverImageLoaded), and
// ImageDataPresent. Done carries the read's success message. A host read that
// broke off sets HostReadFailed; one that completed clears it.
Outcome readMemory(Link& link, PortControl& port, MemoryUnit unit,
                   const TransferControl& control = {});

// The host memory read twice; the image is kept only when both reads agree
// (replies carry no block number, so a unit that repeats a reply late shows
// only as a difference between two reads).
Outcome readHostTwice(Link& link, PortControl& port, const TransferControl& control = {});

// Writes HostImage into the host unit. Refused when no host image was read or
// opened (sending the empty image would wipe the unit).
Outcome downloadImage(Link& link, PortControl& port, const TransferControl& control = {});

// downloadImage, then the host memory read back and compared with what was
// sent; HostImage keeps what was sent. A read-back that does not complete
// ends with a message saying that the download completed and the check was
// not done (Stopped or Failed, as the read-back ended).
Outcome downloadAndVerify(Link& link, PortControl& port, const TransferControl& control = {});

// The first differing cell and the count of differing cells among 0 .. size-1.
struct CellDifference {
    int count = 0;
    int first = -1;
};
CellDifference differingCells(const Buffer& a, const Buffer& b, int size = HostMemorySize);

} // namespace cs
