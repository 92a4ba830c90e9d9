#pragma once
// The working copy of a document's channel table, as its channel view holds
// it: the grid's texts, edited cell by cell and moved in and out of the
// image only at set points (a save, a transfer, a completed read). The
// session and its undo history reach the grid only through this.

#include "model/channel_table.h"

class ChannelWorkingCopy {
public:
    virtual ~ChannelWorkingCopy() = default;

    // Commits an entry still open in a cell editor; false when it was
    // refused (the editor then stays open with the user's text).
    virtual bool CommitCellEdit() = 0;
    // The grid into the image (band code first).
    virtual void EncodeChannels() = 0;
    // The image into the grid (band limits refreshed).
    virtual void DecodeChannels() = 0;
    // The grid's texts (row 1..129 is index 0..128).
    virtual const ChannelTable& Channels() const = 0;
    // Replaces the grid's texts (undo and redo); an edit in progress is
    // dropped.
    virtual void SetChannels(const ChannelTable& channels) = 0;
    // How many rows of the grid hold a channel (a receive frequency).
    virtual int ChannelCount() const = 0;

protected:
    ChannelWorkingCopy() = default;
    ChannelWorkingCopy(const ChannelWorkingCopy&) = default;
    ChannelWorkingCopy& operator=(const ChannelWorkingCopy&) = default;
};
