// Quads of the world layer. The engine puts the version line in front.
layout (location = 0) in vec3 position;
layout (location = 1) in vec2 uv;
layout (location = 2) in float tid;
layout (location = 3) in vec4 color;

uniform mat4 pr_matrix;
uniform mat4 vw_matrix;

out vec2 fragWorld;
out vec2 fragUv;
flat out float fragTid;
out vec4 fragColor;

void main()
{
    gl_Position = pr_matrix * vw_matrix * vec4(position.xy, 0.0, 1.0);
    // z carries the edge depth: below -1 past the world's side edges, so the
    // clip volume cuts zoomed-out views at the edge of the world.
    gl_Position.z = position.z * gl_Position.w;
    fragWorld = position.xy;
    fragUv = uv;
    fragTid = tid;
    fragColor = color;
}
