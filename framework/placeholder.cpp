// Replaced by the framework sources.
