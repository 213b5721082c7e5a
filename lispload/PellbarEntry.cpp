// Placeholder until the loader module lands.
