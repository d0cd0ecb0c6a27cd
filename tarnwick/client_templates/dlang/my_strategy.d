import model;
import debug_interface;
import std.typecons;
import std.conv;

class MyStrategy
{
    this()
    {
    }

    Action getAction(PlayerView playerView, DebugInterface debugInterface)
    {
        throw new Error("Write your strategy here");
    }

    void debugUpdate(PlayerView playerView, DebugInterface debugInterface)
    {
        debugInterface.send(new DebugCommand.Clear());
        debugInterface.getState();
    }
}
