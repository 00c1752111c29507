// Global memory: written with the COM stream that lives on it.
