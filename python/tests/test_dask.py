"""sweep(client=...): the same DataFrame from a Dask cluster of two workers."""

import distributed
import pandas as pd
import pytest

import breathlab

# Debian's tornado and distributed of the same release disagree on one call.
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")


@pytest.fixture(scope="module")
def client(tmp_path_factory):
    # Two worker processes, as two machines would be; they import the module
    # from the same build folder (PYTHONPATH) and bind to this machine only.
    cluster = distributed.LocalCluster(
        n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
        dashboard_address=None, local_directory=str(tmp_path_factory.mktemp("dask")))
    with cluster, distributed.Client(cluster) as dask_client:
        yield dask_client


def test_a_cluster_sweep_equals_a_local_one(client):
    grid = {"RPeripheral": (50, 800, 3), "Cm": (75, 125, 2)}
    local = breathlab.sweep(grid, scale="log", jobs=1, Size=90)
    # Chunks of two patients: three tasks over the two workers.
    remote = breathlab.sweep(grid, scale="log", client=client, chunk_size=2, Size=90)
    pd.testing.assert_frame_equal(remote, local, check_exact=True)
    assert remote.attrs == local.attrs
    # Both workers computed patients: each settled the grid's start-up once.
    settled = client.run(lambda: __import__("breathlab")._sweep.plan_for.cache_info().currsize)
    assert len(settled) == 2 and all(count >= 1 for count in settled.values())


def test_bad_grids_fail_before_reaching_the_cluster(client):
    with pytest.raises(ValueError, match="STEPS"):
        breathlab.sweep({"RMain": (50, 800, 0)}, client=client)
