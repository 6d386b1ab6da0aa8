# The Python module's benchmark: a pool of threads against one thread.
.PHONY: bench-python

bench-python: build
	PYTHONPATH=$(BUILD)/python PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 python/benchmarks/thread_pool.py 8 2
