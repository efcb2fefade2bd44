#pragma once
// The maker's pages: the rotating line of links in the bottom strip and the picture page of
// panel 1, fetched off the user-interface thread so that start-up never waits on the network.

namespace shell {

class OnlinePages {
public:
    // FIXME: The ticker and the picture page are fetched once the HTTP service is wired in.
    void TickerStep() { }
    void CheckPicturePage() { }
};

}
