# Placeholder until the headless dump exists.
