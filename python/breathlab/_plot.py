"""The window's two plots with matplotlib."""

import numpy as np

# The window's colours of the history slots: the reference black, the newest
# run red, then green and purple; the overflow slot black.
SLOT_COLOURS = ("#000000", "#ff0000", "#008000", "#800080", "#000000")


def flow_volume_curve(result):
    """Expired volume since the largest volume (l) and expiratory flow (l/s,
    upwards), up to the first unfilled sample, as the window draws them."""
    volume, flow = result.flow_volume.T.astype(np.float64)
    unfilled = np.flatnonzero(volume == 0)
    end = int(unfilled[0]) if unfilled.size else volume.size
    volume, flow = volume[:end], flow[:end]
    return (volume.max() - volume if volume.size else volume), -flow


def draw_flow_volume(ax, result, colour, label):
    expired, flow = flow_volume_curve(result)
    if expired.size:
        ax.plot(expired, flow, color=colour, linewidth=1.2, label=label)
    fev1, flow_at_fev1 = result.indices["FEV1"], result.indices["FlowAtFev1"]
    if expired.size and np.isfinite(fev1) and np.isfinite(flow_at_fev1) and fev1 > 0:
        # The FEV1 mark: a short stroke up from the curve where one second ended.
        ax.plot([fev1, fev1], [-flow_at_fev1, -flow_at_fev1 + 0.4], color=colour, linewidth=1.2)


def draw_volume_time(ax, result, colour, label):
    if len(result.volume_time):
        time, volume = result.volume_time.T
        ax.plot(time, volume, color=colour, linewidth=1.2, label=label)


def axes_pair(ax):
    import matplotlib.pyplot as plt

    if ax is None:
        _, (flow_volume, volume_time) = plt.subplots(1, 2, figsize=(11, 4.5))
        return flow_volume, volume_time
    if isinstance(ax, (tuple, list, np.ndarray)):
        flow_volume, volume_time = ax
        return flow_volume, volume_time
    return ax, None


def plot(result, ax=None):
    """Draw a result's flow-volume and volume-time curves like the window.

    The reference (slot 0 of the result's history) is drawn in black, the
    run in its slot's colour (red for a new run, green and purple for older
    runs of a file), with the FEV1 mark on the flow-volume curve and the
    reference's FRC as a dotted line on the volume-time curve.

    Parameters
    ----------
    result : breathlab.Result
        From :func:`breathlab.run`, :func:`breathlab.run_case` or a slot of
        :func:`breathlab.load`.
    ax : None, a pair of matplotlib Axes, or one Axes
        None: a new figure with both plots side by side. A pair: the
        flow-volume plot in the first, the volume-time plot in the second.
        One Axes: the flow-volume plot alone.

    Returns
    -------
    (flow_volume_axes, volume_time_axes)
        The second is None when one Axes was given.

    The flow-volume plot has the volume expired since the largest volume
    (l) across and the expiratory flow (l/s) upwards; the volume-time plot
    the time since recording began (s) across and the lung volume (l) up.
    """
    flow_volume, volume_time = axes_pair(ax)
    reference = result.reference
    shown = [(reference, "reference")] if reference is not None else []
    shown.append((result, "run" if result.slot else "reference"))
    for record, label in shown:
        colour = SLOT_COLOURS[record.slot]
        draw_flow_volume(flow_volume, record, colour, label)
        if volume_time is not None:
            draw_volume_time(volume_time, record, colour, label)
    flow_volume.axhline(0, color="black", linewidth=0.8)
    flow_volume.set_xlabel("Vol (l)")
    flow_volume.set_ylabel("Flow exp. (l/s)")
    flow_volume.set_xlim(left=0)
    flow_volume.legend(loc="upper right")
    if volume_time is not None:
        frc = (reference or result).indices["FRC"]
        if np.isfinite(frc):
            volume_time.axhline(frc, color="black", linestyle=":", linewidth=0.8)
        volume_time.set_xlabel("time (s)")
        volume_time.set_ylabel("Vol (l)")
        volume_time.legend(loc="upper right")
    return flow_volume, volume_time
